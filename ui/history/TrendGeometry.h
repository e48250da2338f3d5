#pragma once

#include <QPointF>
#include <QRectF>
#include <QStringList>

#include <optional>

#include <vector>

#include "TrendData.h"

namespace terrovane::history {

// An axis running from `low` to `high` with ticks at round numbers (1, 2 or 5 times a power of ten).
struct TrendAxis {
    double low = 0;
    double high = 1;
    std::vector<double> ticks;
};

TrendAxis NiceAxis(double minimum, double maximum, int wantedTicks);

// A time axis over the days `first` to `last` (days since 1970-01-01) with a small margin on both sides and
// ticks on the first day of every 1, 2, 3, 6, 12 or 24 months (or on round day counts for short spans), so
// that no more than `wantedTicks` of them fall inside.
// Spans under two days get ticks on round times of day (1 minute to 12 hours apart) instead.
TrendAxis DayAxis(double first, double last, int wantedTicks);

// The texts of a day axis's ticks, each distinct: dates, or for ticks less than a day apart the time of
// day ("HH:mm") with the date in front where it changes.
QStringList DayAxisLabels(const TrendAxis& axis);

// A logarithmic axis from the power of ten at or below `minimum` to the one at or above `maximum` (both
// above 0), with ticks on the powers of ten, and on 2 and 5 times them where it spans few decades.
TrendAxis LogAxis(double minimum, double maximum);

// Whether values (and the limit) spread over more than two decades, all above 0: a linear axis would
// flatten the small ones onto its foot.
bool WantsLogAxis(const std::vector<TrendSample>& samples, std::optional<double> limit);

// Where everything of a trend goes inside the plot rectangle.
struct TrendLayout {
    QRectF plot;
    TrendAxis x;  // days
    TrendAxis y;  // values; linear from 0 for readings that are never negative, or logarithmic
    bool logarithmic = false;
    std::vector<QPointF> points;  // one per sample, in sample order
    // One per over-range reading, at its date on the top edge of the plot (the chart lifts them into a band
    // above it): its bound is no height.
    std::vector<QPointF> overRangePoints;
};

// The value axis reaches `limit` when one is drawn, so its line is always inside the plot. `logarithmic`
// chooses the value axis, or when unset WantsLogAxis does (a log axis needs every value above 0). Where
// the time axis spans days and several readings fall on one day, they stand side by side around it in
// the order of measuring instead of on top of each other. Over-range readings widen the time axis only:
// their bounds never stretch the value axis.
TrendLayout LayoutTrend(const std::vector<TrendSample>& samples, const QRectF& plot,
                        std::optional<double> limit = std::nullopt,
                        std::optional<bool> logarithmic = std::nullopt,
                        const std::vector<TrendSample>& overRange = {});

// Maps an axis value into the plot (y grows upwards).
double MapX(const TrendLayout& layout, double day);
double MapY(const TrendLayout& layout, double value);

// The point nearest to `at` within `radius` pixels, or -1.
int PointNear(const std::vector<QPointF>& points, QPointF at, double radius);

}  // namespace terrovane::history
