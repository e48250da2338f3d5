#pragma once

#include <QLocale>
#include <QPainter>

#include <vector>

#include "SoilPlotGeometry.h"

namespace terrovane::plots {

// What a soil plot shows: the measured points and the model's curve with its band.
struct SoilPlotData {
    analysis::Sounding measured;
    std::vector<SoilCurvePoint> curve;
    bool band = true;                // false: a stored model, whose band was not kept, shows its curve alone
    QLocale numbers = QLocale::c();  // the notation of its numbers: the user's on screen only
};

// Draws the log-log plot into `area`: the one-sigma band shaded, the model curve, the measured points as
// circles, and a legend. Used by the window, its PNG and PDF files and the site report alike.
void PaintSoilPlot(QPainter& painter, const QRectF& area, const SoilPlotData& data);

}  // namespace terrovane::plots
