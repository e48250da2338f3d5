#include "Potential.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <thread>

#include "Quadrature.h"

namespace terrovane::electrode {
namespace {

double PotentialAtDepth(const Solution& solution, Point point, int depth) {
    double sum = 0;
    for (std::size_t j = 0; j < solution.segments.size(); ++j) {
        sum += solution.current[j] *
               PotentialOfSegment(*solution.green, point, depth, solution.segments[j], solution.depths[j]);
    }
    return sum;
}

// A map sums every segment at every point, so the segments are read from their depths' tables without a
// call per pair: beyond six lengths one point at the middle (the line integral's correction is below
// (L/r)^2/24, 0.12 % of the segment's share), beyond three lengths three Gauss points (their error
// falls as the sixth power of L/r), nearer the full integral.
struct FarSource {
    Point middle;
    double pointReach;  // squared distances beyond which the middle alone is used
    double gaussReach;  // and the three Gauss points
    double current;
    FarField atMiddle;
    std::array<Point, 3> gauss;
    std::array<FarField, 3> atGauss;
};

std::vector<FarSource> FarSources(const Solution& solution, int depth) {
    const Rule& rule = GaussLegendre(3);
    std::vector<FarSource> sources;
    for (std::size_t j = 0; j < solution.segments.size(); ++j) {
        const Segment& s = solution.segments[j];
        FarSource source;
        source.middle = s.middle;
        source.pointReach = std::pow(6.5 * s.length, 2);
        source.gaussReach = std::pow(3.0 * s.length, 2);
        source.current = solution.current[j];
        source.atMiddle = solution.green->FarFieldFor(depth, solution.depths[j].middle);
        for (int q = 0; q < 3; ++q) {
            source.gauss[q] = s.from + rule.nodes[q] * (s.to - s.from);
            source.atGauss[q] = solution.green->FarFieldFor(depth, solution.depths[j].gauss[q]);
        }
        sources.push_back(source);
    }
    return sources;
}

double SquaredHorizontal(Point a, Point b) {
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

double FromTables(const FarSource& s, Point point) {
    const double dz = point.z - s.middle.z;
    const double horizontal = SquaredHorizontal(point, s.middle);
    if (horizontal + dz * dz > s.pointReach)
        return EvaluateFarField(s.atMiddle, horizontal);
    if (horizontal + dz * dz <= s.gaussReach)
        return std::numeric_limits<double>::quiet_NaN();
    const Rule& rule = GaussLegendre(3);
    double sum = 0;
    for (int q = 0; q < 3; ++q)
        sum += rule.weights[q] * EvaluateFarField(s.atGauss[q], SquaredHorizontal(point, s.gauss[q]));
    return sum;
}

double MapPotential(const Solution& solution, const std::vector<FarSource>& sources, Point point, int depth) {
    double sum = 0;
    for (std::size_t j = 0; j < sources.size(); ++j) {
        const double far = FromTables(sources[j], point);
        sum += sources[j].current * (std::isnan(far)
                                         ? PotentialOfSegment(*solution.green, point, depth,
                                                              solution.segments[j], solution.depths[j])
                                         : far);
    }
    return sum;
}

double Spread(double from, double to, int count, int index) {
    return count > 1 ? from + (to - from) * index / (count - 1) : 0.5 * (from + to);
}

}  // namespace

Point SurfaceMap::PointAt(int ix, int iy) const {
    return {Spread(area.x0, area.x1, nx, ix), Spread(area.y0, area.y1, ny, iy), 0};
}

double PotentialAt(const Solution& solution, Point point) {
    const int depth = solution.green->RegisterDepth(point.z);
    return PotentialAtDepth(solution, point, depth);
}

SurfaceMap MapSurface(const Solution& solution, const Area& area, int nx, int ny, int threads) {
    SurfaceMap map{area, nx, ny, std::vector<double>(static_cast<std::size_t>(nx) * ny)};
    const int surface = solution.green->RegisterDepth(0);
    const std::vector<FarSource> sources = FarSources(solution, surface);
    const int workers = ThreadsToUse(threads);
    auto fillRows = [&](int first) {
        for (int iy = first; iy < ny; iy += workers) {
            for (int ix = 0; ix < nx; ++ix)
                map.values[static_cast<std::size_t>(iy) * nx + ix] =
                    MapPotential(solution, sources, map.PointAt(ix, iy), surface);
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < workers; ++t)
        pool.emplace_back(fillRows, t);
    fillRows(0);
    for (std::thread& worker : pool)
        worker.join();
    return map;
}

TouchAndStep LargestTouchAndStep(const Solution& solution, const SurfaceMap& map, double current,
                                 double stepLength) {
    TouchAndStep result;
    const double gpr = current * solution.resistance;
    const double dx = map.nx > 1 ? (map.area.x1 - map.area.x0) / (map.nx - 1) : 0;
    const double dy = map.ny > 1 ? (map.area.y1 - map.area.y0) / (map.ny - 1) : 0;
    const int stepX = dx > 0 ? std::max(1, static_cast<int>(std::lround(stepLength / dx))) : 0;
    const int stepY = dy > 0 ? std::max(1, static_cast<int>(std::lround(stepLength / dy))) : 0;
    for (int iy = 0; iy < map.ny; ++iy) {
        for (int ix = 0; ix < map.nx; ++ix) {
            const double v = current * map.At(ix, iy);
            if (gpr - v > result.touch.volts)
                result.touch = {gpr - v, map.PointAt(ix, iy)};
            const auto stepTo = [&](int jx, int jy) {
                if (jx >= map.nx || jy >= map.ny)
                    return;
                const double step = std::fabs(v - current * map.At(jx, jy));
                if (step > result.step.volts)
                    result.step = {step, map.PointAt(ix, iy)};
            };
            if (stepX > 0)
                stepTo(ix + stepX, iy);
            if (stepY > 0)
                stepTo(ix, iy + stepY);
        }
    }
    return result;
}

}  // namespace terrovane::electrode
