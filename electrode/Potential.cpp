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
// What the loop over segments reads for every point, kept small so that all of it stays in the cache; the
// Gauss points' data, needed for the few segments in between, lies apart.
struct FarSource {
    Point middle;
    double pointReach;  // squared distances beyond which the middle alone is used
    double gaussReach;  // and the three Gauss points
    double current;
    const double* cubics;  // the middle's table
};

struct GaussSamples {
    std::array<Point, 3> at;
    std::array<FarField, 3> tables;
};

struct FarSources {
    std::vector<FarSource> hot;
    std::vector<GaussSamples> gauss;
    FarField shape;  // every table has the same steps; only the coefficients differ
};

FarSources MakeFarSources(const Solution& solution, int depth) {
    const Rule& rule = GaussLegendre(3);
    FarSources sources;
    for (std::size_t j = 0; j < solution.segments.size(); ++j) {
        const Segment& s = solution.segments[j];
        sources.shape = solution.green->FarFieldFor(depth, solution.depths[j].middle);
        sources.hot.push_back({s.middle, std::pow(6.5 * s.length, 2), std::pow(3.0 * s.length, 2),
                               solution.current[j], sources.shape.cubics});
        GaussSamples samples;
        for (int q = 0; q < 3; ++q) {
            samples.at[q] = s.from + rule.nodes[q] * (s.to - s.from);
            samples.tables[q] = solution.green->FarFieldFor(depth, solution.depths[j].gauss[q]);
        }
        sources.gauss.push_back(samples);
    }
    return sources;
}

double SquaredHorizontal(Point a, Point b) {
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

double MapPotential(const Solution& solution, const FarSources& sources, Point point, int depth) {
    const Rule& rule = GaussLegendre(3);
    FarField far = sources.shape;
    double sum = 0;
    for (std::size_t j = 0; j < sources.hot.size(); ++j) {
        const FarSource& s = sources.hot[j];
        const double dz = point.z - s.middle.z;
        const double horizontal = SquaredHorizontal(point, s.middle);
        double value = std::numeric_limits<double>::quiet_NaN();
        if (horizontal + dz * dz > s.pointReach) {
            far.cubics = s.cubics;
            value = EvaluateFarField(far, horizontal);
        } else if (horizontal + dz * dz > s.gaussReach) {
            const GaussSamples& g = sources.gauss[j];
            value = 0;
            for (int q = 0; q < 3; ++q)
                value += rule.weights[q] * EvaluateFarField(g.tables[q], SquaredHorizontal(point, g.at[q]));
        }
        if (std::isnan(value))
            value =
                PotentialOfSegment(*solution.green, point, depth, solution.segments[j], solution.depths[j]);
        sum += s.current * value;
    }
    return sum;
}

bool HasCurrents(const Solution& solution) {
    return solution.green && !solution.current.empty() && solution.current.size() == solution.segments.size();
}

double Spread(double from, double to, int count, int index) {
    return count > 1 ? from + (to - from) * index / (count - 1) : 0.5 * (from + to);
}

}  // namespace

Point SurfaceMap::PointAt(int ix, int iy) const {
    return {Spread(area.x0, area.x1, nx, ix), Spread(area.y0, area.y1, ny, iy), 0};
}

double PotentialAt(const Solution& solution, Point point) {
    if (!HasCurrents(solution))
        return std::numeric_limits<double>::quiet_NaN();
    const int depth = solution.green->RegisterDepth(point.z);
    return PotentialAtDepth(solution, point, depth);
}

SurfaceMap MapSurface(const Solution& solution, const Area& area, int nx, int ny, int threads) {
    SurfaceMap map{area, nx, ny,
                   std::vector<double>(static_cast<std::size_t>(std::max(nx, 0)) * std::max(ny, 0))};
    if (!HasCurrents(solution)) {
        std::fill(map.values.begin(), map.values.end(), std::numeric_limits<double>::quiet_NaN());
        return map;
    }
    const int surface = solution.green->RegisterDepth(0);
    const FarSources sources = MakeFarSources(solution, surface);
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
