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

TrendAxis LogAxis(double minimum, double maximum) {
    TrendAxis axis;
    const int first = static_cast<int>(std::floor(std::log10(minimum) + 1e-9));
    int last = static_cast<int>(std::ceil(std::log10(maximum) - 1e-9));
    if (last <= first) {
        last = first + 1;
    }
    axis.low = std::pow(10.0, first);
    axis.high = std::pow(10.0, last);
    const bool fine = last - first <= 2;
    for (int exponent = first; exponent <= last; ++exponent) {
        const double decade = std::pow(10.0, exponent);
        axis.ticks.push_back(decade);
        if (fine && exponent < last) {
            axis.ticks.push_back(2 * decade);
            axis.ticks.push_back(5 * decade);
        }
    }
    return axis;
}

bool WantsLogAxis(const std::vector<TrendSample>& samples, std::optional<double> limit) {
    double lowest = limit.value_or(HUGE_VAL);
    double highest = limit.value_or(0);
    for (const TrendSample& sample : samples) {
        if (!(sample.value > 0)) {
            return false;
        }
        lowest = std::min(lowest, sample.value);
        highest = std::max(highest, sample.value);
    }
    return !samples.empty() && lowest > 0 && highest / lowest > 100;
}

namespace {

bool AllPositive(const std::vector<TrendSample>& samples, std::optional<double> limit) {
    return std::all_of(samples.begin(), samples.end(), [](const TrendSample& s) { return s.value > 0; }) &&
           (!limit || *limit > 0);
}

// Readings of one calendar day stand side by side around the day, a few pixels apart and never outside
// the plot, when the axis is too coarse to part them by their time of day.
void SpreadSameDay(const std::vector<TrendSample>& samples, TrendLayout& layout) {
    if (layout.x.high - layout.x.low < 2 || samples.empty()) {
        return;
    }
    const double dayWidth = layout.plot.width() / (layout.x.high - layout.x.low);
    std::size_t start = 0;
    std::vector<std::size_t> order(samples.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return samples[a].day < samples[b].day; });
    while (start < order.size()) {
        const double day = std::floor(samples[order[start]].day);
        std::size_t end = start;
        while (end < order.size() && std::floor(samples[order[end]].day) == day) {
            ++end;
        }
        const std::size_t count = end - start;
        if (count > 1) {
            const double step = std::max(6.0, std::min(12.0, dayWidth * 0.8 / static_cast<double>(count)));
            const double centre = MapX(layout, day + 0.5);
            for (std::size_t k = 0; k < count; ++k) {
                const double offset = (static_cast<double>(k) - static_cast<double>(count - 1) / 2) * step;
                QPointF& point = layout.points[order[start + k]];
                point.setX(std::clamp(centre + offset, layout.plot.left(), layout.plot.right()));
            }
        }
        start = end;
    }
}

}  // namespace

TrendLayout LayoutTrend(const std::vector<TrendSample>& samples, const QRectF& plot,
                        std::optional<double> limit, std::optional<bool> logarithmic,
                        const std::vector<TrendSample>& overRange) {
    TrendLayout layout;
    layout.plot = plot;
    if (samples.empty() && overRange.empty()) {
        return layout;
    }
    double firstDay = HUGE_VAL;
    double lastDay = -HUGE_VAL;
    for (const auto* list : {&samples, &overRange}) {
        for (const TrendSample& sample : *list) {
            firstDay = std::min(firstDay, sample.day);
            lastDay = std::max(lastDay, sample.day);
        }
    }
    layout.x = DayAxis(firstDay, lastDay, 6);
    if (samples.empty()) {
        // Only bounds: a plain axis (reaching the limit) under the markers.
        layout.y = NiceAxis(0, limit.value_or(1), 5);
    } else {
        const auto [lowest, highest] = std::minmax_element(
            samples.begin(), samples.end(), [](const auto& a, const auto& b) { return a.value < b.value; });
        // The limit's line stays inside the plot.
        const double top = limit ? std::max(highest->value, *limit) : highest->value;
        const double foot = limit ? std::min(lowest->value, *limit) : lowest->value;
        layout.logarithmic =
            logarithmic.value_or(WantsLogAxis(samples, limit)) && AllPositive(samples, limit);
        layout.y = layout.logarithmic ? LogAxis(foot, top) : NiceAxis(std::min(0.0, lowest->value), top, 5);
    }
    for (const TrendSample& sample : samples) {
        layout.points.emplace_back(MapX(layout, sample.day), MapY(layout, sample.value));
    }
    for (const TrendSample& sample : overRange) {
        layout.overRangePoints.emplace_back(MapX(layout, sample.day), plot.top());
    }
    SpreadSameDay(samples, layout);
    return layout;
}

double MapX(const TrendLayout& layout, double day) {
    return layout.plot.left() + (day - layout.x.low) / (layout.x.high - layout.x.low) * layout.plot.width();
}

double MapY(const TrendLayout& layout, double value) {
    if (layout.logarithmic) {
        const double low = std::log10(layout.y.low);
        return layout.plot.bottom() -
               (std::log10(value) - low) / (std::log10(layout.y.high) - low) * layout.plot.height();
    }
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
