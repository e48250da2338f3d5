#pragma once

#include <QPainter>
#include <QString>

#include <functional>
#include <string>

namespace terrovane::plots {

using PlotPainter = std::function<void(QPainter&, const QRectF&)>;

// Writes the plot to `path` as a PDF page (a name ending in .pdf), an SVG drawing (.svg) or else a PNG
// image, replacing an old file only once the new one is complete. False with `error` set.
bool SavePlot(const QString& path, const PlotPainter& paint, std::string& error);

// Writes text to `path` whole; false with `error` set.
bool SaveText(const QString& path, const std::string& text, std::string& error);

}  // namespace terrovane::plots
