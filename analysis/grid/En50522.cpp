#include "En50522.h"

#include <array>
#include <cmath>

namespace terrovane::grid {
namespace {

struct TableRow {
    double duration;     // s
    double voltage;      // V
    double bodyCurrent;  // A
};

constexpr std::array<TableRow, 8> kTable{{
    {0.05, 716, 0.900},
    {0.10, 654, 0.750},
    {0.20, 537, 0.600},
    {0.50, 220, 0.200},
    {1.00, 117, 0.080},
    {2.00, 96, 0.060},
    {5.00, 86, 0.051},
    {10.0, 85, 0.050},
}};

double LogLog(double t, double t0, double v0, double t1, double v1) {
    const double share = (std::log(t) - std::log(t0)) / (std::log(t1) - std::log(t0));
    return std::exp(std::log(v0) + share * (std::log(v1) - std::log(v0)));
}

}  // namespace

PermissibleTouch PermissibleTouchVoltage(double faultDuration) {
    if (!(faultDuration > kTable.front().duration))
        return {kTable.front().voltage, kTable.front().bodyCurrent, faultDuration < kTable.front().duration};
    if (faultDuration >= kTable.back().duration)
        return {kTable.back().voltage, kTable.back().bodyCurrent, faultDuration > kTable.back().duration};
    for (std::size_t i = 1; i < kTable.size(); ++i) {
        const TableRow& lower = kTable[i - 1];
        const TableRow& upper = kTable[i];
        if (faultDuration == upper.duration)
            return {upper.voltage, upper.bodyCurrent, false};
        if (faultDuration < upper.duration)
            return {
                LogLog(faultDuration, lower.duration, lower.voltage, upper.duration, upper.voltage),
                LogLog(faultDuration, lower.duration, lower.bodyCurrent, upper.duration, upper.bodyCurrent),
                false};
    }
    return {kTable.back().voltage, kTable.back().bodyCurrent, false};
}

double PermissibleTouchWithResistances(const PermissibleTouch& touch, double footwear, double standing) {
    return touch.voltage + (footwear + standing) * touch.bodyCurrent;
}

double StandingResistance(double surfaceResistivity) {
    return 1.5 * surfaceResistivity;
}

}  // namespace terrovane::grid
