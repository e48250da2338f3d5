#include "TrendGeometry.h"

#include <algorithm>
#include <chrono>
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

TrendAxis DayAxis(double first, double last, int wantedTicks) {
    using namespace std::chrono;
    const double span = std::max(last - first, 1.0);
    TrendAxis axis;
    axis.low = first - span * 0.04;
    axis.high = last + span * 0.04;
    if (span < 60) {
        for (double tick : NiceAxis(axis.low, axis.high, wantedTicks).ticks) {
            if (tick >= axis.low && tick <= axis.high) {
                axis.ticks.push_back(tick);
            }
        }
        return axis;
    }
    const year_month_day start{sys_days(days(static_cast<int>(std::ceil(axis.low))))};
    for (const int months : {1, 2, 3, 6, 12, 24, 48, 96}) {
        axis.ticks.clear();
        // The first month boundary at or after the start that is a multiple of the step.
        year_month month = year_month(start.year(), start.month());
        if (start.day() != day(1)) {
            month += std::chrono::months(1);
        }
        while ((static_cast<int>(static_cast<unsigned>(month.month())) - 1) % std::min(months, 12) != 0) {
            month += std::chrono::months(1);
        }
        for (; sys_days(month / 1).time_since_epoch().count() <= axis.high;
             month += std::chrono::months(months)) {
            axis.ticks.push_back(sys_days(month / 1).time_since_epoch().count());
        }
        if (static_cast<int>(axis.ticks.size()) <= wantedTicks) {
            break;
        }
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
    layout.x = DayAxis(firstDay->day, lastDay->day, 6);
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
