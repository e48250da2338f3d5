#include "FopPlotGeometry.h"

#include <algorithm>
#include <cmath>

namespace terrovane::plots {

FopPlotLayout LayoutFopPlot(const std::vector<analysis::FopReading>& readings, double currentProbe,
                            std::optional<double> resistanceAt618, const QRectF& plot) {
    FopPlotLayout layout;
    layout.plot = plot;
    layout.currentProbe = currentProbe > 0 && std::isfinite(currentProbe) ? currentProbe : 1;
    // x/D runs to 1, and further when a potential probe stood beyond the current probe: every reading is
    // drawn inside the frame.
    double farthest = 1;
    double highest = 0;
    double lowest = 0;
    for (const analysis::FopReading& reading : readings) {
        if (std::isfinite(reading.distance))
            farthest = std::max(farthest, reading.distance / layout.currentProbe);
        if (std::isfinite(reading.resistance)) {
            highest = std::max(highest, reading.resistance);
            lowest = std::min(lowest, reading.resistance);
        }
    }
    layout.fraction = LinearAxis(0, farthest, 10);
    if (resistanceAt618)
        highest = std::max(highest, *resistanceAt618 * (1 + analysis::kPlateauTolerancePercent / 100));
    layout.resistance = LinearAxis(lowest, highest > lowest ? highest : lowest + 1, 6);
    return layout;
}

QPointF MapFop(const FopPlotLayout& layout, double distance, double resistance) {
    return {layout.plot.left() +
                LinearFraction(layout.fraction, distance / layout.currentProbe) * layout.plot.width(),
            layout.plot.bottom() - LinearFraction(layout.resistance, resistance) * layout.plot.height()};
}

QRectF PlateauBand(const FopPlotLayout& layout, double resistanceAt618) {
    const double tolerance = analysis::kPlateauTolerancePercent / 100;
    const QPointF topLeft =
        MapFop(layout, analysis::kPlateauLow * layout.currentProbe, resistanceAt618 * (1 + tolerance));
    const QPointF bottomRight =
        MapFop(layout, analysis::kPlateauHigh * layout.currentProbe, resistanceAt618 * (1 - tolerance));
    return QRectF(topLeft, bottomRight).normalized();
}

std::vector<double> EvenDistances(int count, double currentProbe) {
    std::vector<double> distances;
    for (int i = 0; i < count; ++i)
        distances.push_back(std::round(currentProbe * (i + 1) / (count + 1) * 100) / 100);
    return distances;
}

}  // namespace terrovane::plots
