#include "PlotAxes.h"

#include <algorithm>
#include <cmath>

namespace terrovane::plots {
namespace {

// The round value (1, 2 or 5 times a power of ten) at or below `value`, or at or above it.
double RoundBelow(double value) {
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {5.0, 2.0, 1.0})
        if (step * decade <= value * (1 + 1e-12))
            return step * decade;
    return decade;
}

double RoundAbove(double value) {
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 5.0, 10.0})
        if (step * decade >= value * (1 - 1e-12))
            return step * decade;
    return 10 * decade;
}

}  // namespace

PlotAxis LinearAxis(double minimum, double maximum, int wantedTicks) {
    if (!(maximum > minimum)) {
        const double pad = std::max(std::fabs(minimum) * 0.1, 1.0);
        minimum -= pad;
        maximum += pad;
    }
    const double rough = (maximum - minimum) / std::max(wantedTicks, 1);
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * decade;
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * decade >= rough) {
            step = factor * decade;
            break;
        }
    }
    PlotAxis axis;
    axis.low = std::floor(minimum / step + 1e-9) * step;
    axis.high = std::ceil(maximum / step - 1e-9) * step;
    for (double tick = axis.low; tick <= axis.high + step / 2; tick += step)
        axis.ticks.push_back(std::fabs(tick) < step * 1e-9 ? 0.0 : tick);
    return axis;
}

PlotAxis LogAxis(double minimum, double maximum) {
    PlotAxis axis;
    if (!(minimum > 0) || !std::isfinite(minimum) || !std::isfinite(maximum))
        minimum = maximum = 1;
    maximum = std::max(maximum, minimum);
    axis.low = RoundBelow(minimum);
    axis.high = RoundAbove(maximum);
    if (axis.high <= axis.low)
        axis.high = RoundAbove(axis.low * 1.5);
    const bool fine = std::log10(axis.high / axis.low) < 3;
    for (double decade = std::pow(10.0, std::floor(std::log10(axis.low))); decade <= axis.high;
         decade *= 10) {
        for (double step : {1.0, 2.0, 5.0}) {
            const double tick = step * decade;
            if ((step == 1.0 || fine) && tick >= axis.low * (1 - 1e-9) && tick <= axis.high * (1 + 1e-9))
                axis.ticks.push_back(tick);
        }
    }
    return axis;
}

double LinearFraction(const PlotAxis& axis, double value) {
    return (value - axis.low) / (axis.high - axis.low);
}

double LogFraction(const PlotAxis& axis, double value) {
    return std::log(value / axis.low) / std::log(axis.high / axis.low);
}

}  // namespace terrovane::plots
