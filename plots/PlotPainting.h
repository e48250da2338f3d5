#pragma once

#include <QLocale>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <functional>

#include "PlotAxes.h"

namespace terrovane::plots {

// The plot rectangle inside `area` that leaves room for tick labels and axis titles.
QRectF PlotArea(const QRectF& area, const QFontMetricsF& metrics);

// Draws the frame, the grid and labelled ticks of both axes and their titles; `x` and `y` map an axis
// value to its pixel coordinate.
void PaintAxes(QPainter& painter, const QRectF& plot, const PlotAxis& xAxis, const PlotAxis& yAxis,
               const std::function<double(double)>& x, const std::function<double(double)>& y,
               const QString& xTitle, const QString& yTitle, const QLocale& numbers = QLocale::c());

// One pixel of a screen plot on the painter's device: the plots scale their lines with the font, so a
// page drawn at 600 dots per inch gets lines as heavy as the window's.
double PenUnit(const QPainter& painter);

// A tick's text: up to four significant digits, no trailing zeros, in `numbers`' notation (a window's
// plot takes the user's locale; the files and the site report keep the point).
QString TickText(double value, const QLocale& numbers = QLocale::c());

}  // namespace terrovane::plots
