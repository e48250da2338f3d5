#include "SurfaceProfile.h"

#include <algorithm>
#include <cmath>

#include "Potential.h"

namespace terrovane::electrode {

std::vector<ProfilePoint> SurfaceProfile(const Solution& solution, double current, Point from, Point to,
                                         double spacing, int maxPoints) {
    from.z = 0;
    to.z = 0;
    const double length = Norm(to - from);
    if (!(length > 0) || !(spacing > 0) || !std::isfinite(length) || solution.current.empty() ||
        solution.status != SolveStatus::Solved)
        return {};
    const double wanted = std::ceil(length / spacing) + 1;
    const int count = static_cast<int>(std::clamp(wanted, 2.0, static_cast<double>(std::max(2, maxPoints))));
    const double gpr = current * solution.resistance;
    std::vector<ProfilePoint> profile;
    profile.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        const double share = static_cast<double>(k) / (count - 1);
        const Point at = from + share * (to - from);
        const double potential = current * PotentialAt(solution, at);
        profile.push_back({share * length, at, potential, gpr - potential});
    }
    return profile;
}

}  // namespace terrovane::electrode
