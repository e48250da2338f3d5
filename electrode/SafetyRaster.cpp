#include "SafetyRaster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace terrovane::electrode {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double DistanceToArea(const Area& a, double x, double y) {
    const double dx = std::max({a.x0 - x, 0.0, x - a.x1});
    const double dy = std::max({a.y0 - y, 0.0, y - a.y1});
    return std::hypot(dx, dy);
}

// The step voltage at one point: the largest difference to the points one step away, along x and y.
double StepAt(const SurfaceMap& map, int ix, int iy, int stride) {
    const double v = map.At(ix, iy);
    double largest = 0;
    const auto compare = [&](int jx, int jy) {
        if (jx >= 0 && jy >= 0 && jx < map.nx && jy < map.ny)
            largest = std::max(largest, std::fabs(v - map.At(jx, jy)));
    };
    compare(ix + stride, iy);
    compare(ix - stride, iy);
    compare(ix, iy + stride);
    compare(ix, iy - stride);
    return largest;
}

}  // namespace

bool WithinReach(const std::vector<Area>& covered, double reach, double x, double y) {
    return std::any_of(covered.begin(), covered.end(),
                       [&](const Area& a) { return DistanceToArea(a, x, y) <= reach + 1e-9; });
}

SurfaceMap RasterShape(const std::vector<Area>& covered, const RasterOptions& options) {
    SurfaceMap map;
    if (covered.empty())
        return map;
    Area box = covered.front();
    for (const Area& a : covered)
        box = {std::min(box.x0, a.x0), std::min(box.y0, a.y0), std::max(box.x1, a.x1),
               std::max(box.y1, a.y1)};
    box = {box.x0 - options.margin, box.y0 - options.margin, box.x1 + options.margin,
           box.y1 + options.margin};
    const double longest = std::max(box.x1 - box.x0, box.y1 - box.y0);
    int divisions = 4;
    while (divisions > 1 && longest * divisions / options.stepLength + 1 > options.maxPointsPerSide)
        divisions /= 2;
    const double spacing = options.stepLength / divisions;
    // Whole intervals each way, the box grown evenly on both sides to the next one.
    const auto points = [&](double from, double to, double& start) {
        const int intervals = static_cast<int>(std::ceil((to - from) / spacing - 1e-9));
        start = from - 0.5 * (intervals * spacing - (to - from));
        return intervals + 1;
    };
    double x0 = 0;
    double y0 = 0;
    map.nx = points(box.x0, box.x1, x0);
    map.ny = points(box.y0, box.y1, y0);
    map.area = {x0, y0, x0 + (map.nx - 1) * spacing, y0 + (map.ny - 1) * spacing};
    return map;
}

SafetyRaster MapSafety(const Solution& solution, double current, const std::vector<Area>& covered,
                       const RasterOptions& options, const RasterProgress& progress) {
    SafetyRaster raster;
    raster.potential = RasterShape(covered, options);
    SurfaceMap& map = raster.potential;
    if (map.nx < 2 || map.ny < 2)
        return raster;
    raster.spacing = (map.area.x1 - map.area.x0) / (map.nx - 1);
    map.values.assign(static_cast<std::size_t>(map.nx) * map.ny, kNaN);
    // Bands of rows, so that a caller can see progress and stop between them; each band is mapped on all
    // threads at once.
    const int bandRows = std::max(1, 4096 / map.nx);
    for (int first = 0; first < map.ny; first += bandRows) {
        const int rows = std::min(bandRows, map.ny - first);
        const double y0 = map.PointAt(0, first).y;
        const double y1 = map.PointAt(0, first + rows - 1).y;
        const SurfaceMap band = MapSurface(solution, {map.area.x0, y0, map.area.x1, y1}, map.nx, rows);
        for (std::size_t i = 0; i < band.values.size(); ++i)
            map.values[static_cast<std::size_t>(first) * map.nx + i] = current * band.values[i];
        if (progress && !progress(static_cast<double>(first + rows) / map.ny)) {
            map.values.clear();
            return raster;
        }
    }
    const double gpr = current * solution.resistance;
    const int stride = static_cast<int>(std::lround(options.stepLength / raster.spacing));
    raster.touch.resize(map.values.size());
    raster.step.resize(map.values.size());
    for (int iy = 0; iy < map.ny; ++iy) {
        for (int ix = 0; ix < map.nx; ++ix) {
            const Point p = map.PointAt(ix, iy);
            const std::size_t i = raster.Index(ix, iy);
            raster.touch[i] = WithinReach(covered, options.reach, p.x, p.y) ? gpr - map.values[i] : kNaN;
            raster.step[i] = StepAt(map, ix, iy, stride);
        }
    }
    return raster;
}

}  // namespace terrovane::electrode
