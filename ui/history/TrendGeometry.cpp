#include "TrendGeometry.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include <QDate>
#include <QTime>

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

namespace {

// Ticks on round times of day for spans under two days, so that each tick has a time of its own.
TrendAxis TimeOfDayAxis(double first, double last, int wantedTicks) {
    constexpr double kMinute = 1.0 / 1440;
    // At least an hour wide, the readings in its middle.
    const double span = last - first;
    const double margin = span < 60 * kMinute ? (60 * kMinute - span) / 2 : span * 0.04;
    TrendAxis axis;
    axis.low = first - margin;
    axis.high = last + margin;
    for (const int minutes : {1, 2, 5, 10, 15, 30, 60, 120, 180, 360, 720, 1440}) {
        const double step = minutes * kMinute;
        axis.ticks.clear();
        // Whole minutes counted from midnight, so rounding never shows 10:59:59 for 11:00.
        const long long firstTick = static_cast<long long>(std::ceil(axis.low / step - 1e-9));
        for (long long k = firstTick; k * step <= axis.high + 1e-9; ++k) {
            axis.ticks.push_back(static_cast<double>(k * minutes) / 1440);
        }
        if (static_cast<int>(axis.ticks.size()) <= wantedTicks) {
            break;
        }
    }
    return axis;
}

}  // namespace

QStringList DayAxisLabels(const TrendAxis& axis) {
    const bool withTime = axis.ticks.size() >= 2 && axis.ticks[1] - axis.ticks[0] < 1 - 1e-9;
    QStringList labels;
    QDate previous;
    for (const double tick : axis.ticks) {
        const long long minutes = std::llround(tick * 1440);
        const QDate date = QDate(1970, 1, 1).addDays(static_cast<qint64>(std::floor(minutes / 1440.0)));
        if (!withTime) {
            labels << date.toString(QStringLiteral("yyyy-MM-dd"));
            continue;
        }
        const QTime time = QTime(0, 0).addSecs(static_cast<int>((minutes % 1440 + 1440) % 1440) * 60);
        // The date where it changes, the time on every tick.
        labels << (date != previous ? date.toString(QStringLiteral("yyyy-MM-dd ")) : QString()) +
                      time.toString(QStringLiteral("HH:mm"));
        previous = date;
    }
    return labels;
}

TrendAxis DayAxis(double first, double last, int wantedTicks) {
    using namespace std::chrono;
    if (last - first < 2) {
        return TimeOfDayAxis(first, last, wantedTicks);
    }
    const double span = last - first;
    TrendAxis axis;
    axis.low = first - span * 0.04;
    axis.high = last + span * 0.04;
    if (span < 60) {
        // Whole days only, so no two ticks carry the same date.
        for (double tick : NiceAxis(axis.low, axis.high, wantedTicks).ticks) {
            if (tick >= axis.low && tick <= axis.high && tick == std::floor(tick) &&
                (axis.ticks.empty() || tick > axis.ticks.back())) {
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

TrendLayout LayoutTrend(const std::vector<TrendSample>& samples, const QRectF& plot,
                        std::optional<double> limit) {
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
    // The limit's line stays inside the plot.
    const double top = limit ? std::max(highest->value, *limit) : highest->value;
    layout.y = NiceAxis(std::min(0.0, lowest->value), top, 5);
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
