#include "TrendGeometry.h"

#include <algorithm>
#include <cmath>

namespace terrovane::history {
namespace {

double NiceStep(double span, int wantedTicks) {
    const double rough = span / std::max(wantedTicks, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (rough <= factor * power) {
            return factor * power;
        }
    }
    return 10 * power;
}

}  // namespace

TrendAxis NiceAxis(double minimum, double maximum, int wantedTicks) {
    if (!(maximum > minimum)) {
        // One value (or none): a range around it, so the point sits in the middle.
        const double half = std::abs(minimum) > 0 ? std::abs(minimum) * 0.5 : 1.0;
        minimum -= half;
        maximum += half;
    }
    const double step = NiceStep(maximum - minimum, wantedTicks);
    TrendAxis axis;
    axis.low = std::floor(minimum / step) * step;
    axis.high = std::ceil(maximum / step) * step;
    for (double tick = axis.low; tick <= axis.high + step * 1e-9; tick += step) {
        axis.ticks.push_back(std::abs(tick) < step * 1e-9 ? 0.0 : tick);
    }
    return axis;
}

TrendLayout LayoutTrend(const std::vector<TrendSample>& samples, const QRectF& plot) {
    TrendLayout layout;
    layout.plot = plot;
    if (samples.empty()) {
        return layout;
    }
    const auto [firstDay, lastDay] = std::minmax_element(
        samples.begin(), samples.end(), [](const auto& a, const auto& b) { return a.day < b.day; });
    const auto [lowest, highest] = std::minmax_element(
        samples.begin(), samples.end(), [](const auto& a, const auto& b) { return a.value < b.value; });
    layout.x = NiceAxis(std::floor(firstDay->day), std::ceil(lastDay->day), 6);
    layout.y = NiceAxis(std::min(0.0, lowest->value), highest->value, 5);
    for (const TrendSample& sample : samples) {
        layout.points.emplace_back(MapX(layout, sample.day), MapY(layout, sample.value));
    }
    return layout;
}

double MapX(const TrendLayout& layout, double day) {
    return layout.plot.left() + (day - layout.x.low) / (layout.x.high - layout.x.low) * layout.plot.width();
}

double MapY(const TrendLayout& layout, double value) {
    return layout.plot.bottom() -
           (value - layout.y.low) / (layout.y.high - layout.y.low) * layout.plot.height();
}

int PointNear(const std::vector<QPointF>& points, QPointF at, double radius) {
    int nearest = -1;
    double best = radius * radius;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF d = points[i] - at;
        const double distance = d.x() * d.x() + d.y() * d.y();
        if (distance <= best) {
            best = distance;
            nearest = static_cast<int>(i);
        }
    }
    return nearest;
}

}  // namespace terrovane::history
