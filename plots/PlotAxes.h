#pragma once

#include <vector>

namespace terrovane::plots {

// An axis from `low` to `high` with its ticks.
struct PlotAxis {
    double low = 0;
    double high = 1;
    std::vector<double> ticks;
};

// A linear axis around the values with ticks at round steps (1, 2 or 5 times a power of ten), no more than
// about `wantedTicks` of them; the ends fall on ticks.
PlotAxis LinearAxis(double minimum, double maximum, int wantedTicks);

// A logarithmic axis over positive values: its ends are the round values (1, 2 or 5 times a power of ten)
// just outside them; ticks at every decade, and at 2 and 5 when the axis spans fewer than three decades.
PlotAxis LogAxis(double minimum, double maximum);

// Where `value` falls between `low` and `high` (0 to 1), linearly or on a log scale.
double LinearFraction(const PlotAxis& axis, double value);
double LogFraction(const PlotAxis& axis, double value);

}  // namespace terrovane::plots
