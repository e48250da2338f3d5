#pragma once

#include <QLocale>
#include <QPainter>

#include <optional>
#include <vector>

#include "FopPlotGeometry.h"

namespace terrovane::plots {

// What a fall-of-potential plot shows.
struct FopPlotData {
    std::vector<analysis::FopReading> readings;
    double currentProbe = 0;
    std::optional<double> resistanceAt618;  // the mark and the plateau band, when the curve reaches 61.8 %
    // The curve a model of the electrode in the site's soil predicts, and where on it the potential probe
    // reads the electrode's true resistance; empty without a model.
    std::vector<analysis::FopReading> predicted;
    std::optional<double> predictedTrueFraction;
    QLocale numbers = QLocale::c();  // the notation of its numbers: the user's on screen only
};

// Draws resistance against x/D: the plateau band shaded, the readings joined in order of distance, the
// 61.8 % line with its resistance, and the predicted curve dashed with its true-resistance position. Used by
// the window and the site report alike.
void PaintFopPlot(QPainter& painter, const QRectF& area, const FopPlotData& data);

}  // namespace terrovane::plots
