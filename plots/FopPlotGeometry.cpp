#include "FopPlotGeometry.h"

#include <algorithm>
#include <cmath>

namespace terrovane::plots {

FopPlotLayout LayoutFopPlot(const std::vector<analysis::FopReading>& readings, double currentProbe,
                            std::optional<double> resistanceAt618, const QRectF& plot) {
    FopPlotLayout layout;
    layout.plot = plot;
    layout.currentProbe = currentProbe > 0 && std::isfinite(currentProbe) ? currentProbe : 1;
    layout.fraction = LinearAxis(0, 1, 10);
    double highest = 0;
    for (const analysis::FopReading& reading : readings)
        if (std::isfinite(reading.resistance))
            highest = std::max(highest, reading.resistance);
    if (resistanceAt618)
        highest = std::max(highest, *resistanceAt618 * (1 + analysis::kPlateauTolerancePercent / 100));
    layout.resistance = LinearAxis(0, highest > 0 ? highest : 1, 6);
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
