#pragma once

#include <QLocale>
#include <QPainter>

#include <vector>

#include "SurfaceProfile.h"

namespace terrovane::plots {

// What a profile across the ground over a grid shows: the surface potential and the touch voltage along
// the line, and the tolerable touch voltage they are held against.
struct ProfilePlotData {
    std::vector<electrode::ProfilePoint> points;
    double touchLimit = 0;
    QLocale numbers = QLocale::c();  // the notation of its numbers: the user's on screen only
};

// Volts against the distance along the line: the surface potential, the touch voltage and the limit
// dashed across, with a key. Used by the window and the files it saves.
void PaintProfilePlot(QPainter& painter, const QRectF& area, const ProfilePlotData& data);

}  // namespace terrovane::plots
