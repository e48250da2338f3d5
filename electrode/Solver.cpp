#include "Solver.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <thread>

namespace terrovane::electrode {
namespace {

struct Extent {
    double shortest = 0;  // the thinnest radius / 2: no two points of the problem are closer
    double longest = 0;   // no two points of the electrode or the ground above it are further apart
};

Extent ExtentOf(const Electrode& electrode) {
    double thinnest = electrode.conductors.front().radius;
    Point low = electrode.conductors.front().from, high = low;
    for (const Conductor& c : electrode.conductors) {
        thinnest = std::min(thinnest, c.radius);
        for (Point p : {c.from, c.to}) {
            low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        }
    }
    // Maps reach beyond the electrode: the tables cover four times its size and 100 m, farther points are
    // computed without them.
    return {thinnest / 2, 4 * Norm(high - low) + 100};
}

double LongestConductor(const Electrode& electrode) {
    double longest = 0;
    for (const Conductor& c : electrode.conductors)
        longest = std::max(longest, Norm(c.to - c.from));
    return longest;
}

// Rows are dealt out in turn so that each thread gets its share of the triangle.
Eigen::MatrixXd Assemble(const GreenFunction& green, const std::vector<Segment>& segments,
                         const std::vector<SampleDepths>& depths, int threads) {
    const int n = static_cast<int>(segments.size());
    Eigen::MatrixXd matrix(n, n);
    auto fillRows = [&](int first) {
        for (int i = first; i < n; i += threads) {
            for (int j = 0; j <= i; ++j)
                matrix(i, j) = MutualPotential(green, segments[i], depths[i], segments[j], depths[j]);
        }
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t)
        workers.emplace_back(fillRows, t);
    fillRows(0);
    for (std::thread& worker : workers)
        worker.join();
    return matrix;
}

// The Galerkin matrix is symmetric and, for a physical electrode, positive definite: Cholesky first, the
// pivoted LDL^T where rounding has spoilt the definiteness.
bool SolveUnitPotential(const Eigen::MatrixXd& matrix, Eigen::VectorXd& currents) {
    const Eigen::VectorXd ones = Eigen::VectorXd::Ones(matrix.rows());
    const Eigen::LLT<Eigen::MatrixXd, Eigen::Lower> cholesky(matrix);
    if (cholesky.info() == Eigen::Success) {
        currents = cholesky.solve(ones);
    } else {
        const Eigen::LDLT<Eigen::MatrixXd, Eigen::Lower> ldlt(matrix);
        if (ldlt.info() != Eigen::Success)
            return false;
        currents = ldlt.solve(ones);
    }
    return currents.allFinite() && currents.sum() > 0;
}

Solution SolveLevel(const Electrode& electrode, std::shared_ptr<GreenFunction> green, double segmentLength,
                    int threads) {
    Solution solution;
    solution.green = green;
    solution.segments = Segmentize(electrode, green->soil(), segmentLength);
    for (const Segment& segment : solution.segments)
        solution.depths.push_back(RegisterDepths(*green, segment));
    const Eigen::MatrixXd matrix = Assemble(*green, solution.segments, solution.depths, threads);
    Eigen::VectorXd currents;
    if (!SolveUnitPotential(matrix, currents)) {
        solution.status = SolveStatus::Singular;
        return solution;
    }
    // With the electrode at 1 V the currents add up to 1/R; per ampere in, each is its share of the sum.
    const double total = currents.sum();
    solution.resistance = 1 / total;
    solution.current.resize(currents.size());
    for (Eigen::Index i = 0; i < currents.size(); ++i)
        solution.current[i] = currents[i] / total;
    solution.levels.push_back({static_cast<int>(solution.segments.size()), solution.resistance});
    return solution;
}

std::shared_ptr<GreenFunction> GreenFor(const Electrode& electrode, const Soil& soil,
                                        const SolveOptions& options) {
    const Extent extent = ExtentOf(electrode);
    return std::make_shared<GreenFunction>(soil, options.method, extent.shortest, extent.longest);
}

std::optional<SolveStatus> CheckInput(const Electrode& electrode, const Soil& soil) {
    if (CheckSoil(soil) != SoilFault::None)
        return SolveStatus::BadSoil;
    if (CheckElectrode(electrode) != ElectrodeFault::None)
        return SolveStatus::BadElectrode;
    return std::nullopt;
}

}  // namespace

int ThreadsToUse(int asked) {
    if (asked > 0)
        return asked;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

Solution SolveWithSegments(const Electrode& electrode, const Soil& soil, double segmentLength,
                           const SolveOptions& options) {
    if (const auto fault = CheckInput(electrode, soil)) {
        Solution refused;
        refused.status = *fault;
        return refused;
    }
    return SolveLevel(electrode, GreenFor(electrode, soil, options), segmentLength,
                      ThreadsToUse(options.threads));
}

Solution Solve(const Electrode& electrode, const Soil& soil, const SolveOptions& options) {
    if (const auto fault = CheckInput(electrode, soil)) {
        Solution refused;
        refused.status = *fault;
        return refused;
    }
    const std::shared_ptr<GreenFunction> green = GreenFor(electrode, soil, options);
    const int threads = ThreadsToUse(options.threads);
    double length =
        options.firstSegmentLength > 0 ? options.firstSegmentLength : LongestConductor(electrode) / 4;
    Solution previous = SolveLevel(electrode, green, length, threads);
    std::vector<Level> levels = previous.levels;
    while (previous.status == SolveStatus::Solved) {
        // Halve until the pieces between joints are cut finer too: a length above the spacing of the
        // joints changes nothing and would look like convergence.
        const std::size_t before = previous.segments.size();
        std::size_t count = before;
        while (count == before && length > 1e-6) {
            length /= 2;
            count = Segmentize(electrode, soil, length).size();
        }
        if (static_cast<int>(count) > options.maxSegments) {
            previous.status = SolveStatus::NotConverged;
            break;
        }
        Solution finer = SolveLevel(electrode, green, length, threads);
        if (finer.status != SolveStatus::Solved)
            return finer;
        levels.push_back(finer.levels.back());
        const double change = std::fabs(finer.resistance - previous.resistance) / finer.resistance;
        previous = std::move(finer);
        if (change < options.tolerance)
            break;
    }
    previous.levels = levels;
    return previous;
}

}  // namespace terrovane::electrode
