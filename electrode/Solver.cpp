#include "Solver.h"

#include <Eigen/Dense>
#include <algorithm>
#include <atomic>
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

// Asked from every thread; once one has seen a stop, the others give up without asking again.
class StopCheck {
  public:
    explicit StopCheck(const std::function<bool()>& stop) : stop_(stop) {}
    bool operator()() {
        if (stopped_.load())
            return true;
        if (stop_ && stop_()) {
            stopped_.store(true);
            return true;
        }
        return false;
    }
    // Whether a stop has been seen, without asking again.
    bool Seen() const { return stopped_.load(); }

  private:
    const std::function<bool()>& stop_;
    std::atomic<bool> stopped_{false};
};

// Rows are dealt out in turn so that each thread gets its share of the triangle. False when stopped.
bool Assemble(const GreenFunction& green, const std::vector<Segment>& segments,
              const std::vector<SampleDepths>& depths, int threads, StopCheck& stopped,
              Eigen::MatrixXd& matrix) {
    const int n = static_cast<int>(segments.size());
    matrix.resize(n, n);
    auto fillRows = [&](int first) {
        for (int i = first; i < n; i += threads) {
            if (stopped())
                return;
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
    return !stopped.Seen();
}

enum class Factored { Done, NotDefinite, Stopped };

// Cholesky of the lower triangle in place, a block of columns at a time (the right-looking blocked
// algorithm: Golub and Van Loan, "Matrix computations", 4th ed., 2013, sec. 4.2.9), so that a stop is
// seen between blocks: the largest trailing update, at the segment limit, is a few tens of milliseconds.
Factored FactorInPlace(Eigen::MatrixXd& a, StopCheck& stopped) {
    constexpr Eigen::Index kBlock = 64;
    const Eigen::Index n = a.rows();
    for (Eigen::Index k = 0; k < n; k += kBlock) {
        if (stopped())
            return Factored::Stopped;
        const Eigen::Index b = std::min(kBlock, n - k);
        const Eigen::LLT<Eigen::MatrixXd, Eigen::Lower> diagonal(a.block(k, k, b, b));
        if (diagonal.info() != Eigen::Success)
            return Factored::NotDefinite;
        const Eigen::MatrixXd l = diagonal.matrixL();
        a.block(k, k, b, b) = l;
        const Eigen::Index rest = n - k - b;
        if (rest == 0)
            break;
        auto panel = a.block(k + b, k, rest, b);
        l.transpose().triangularView<Eigen::Upper>().solveInPlace<Eigen::OnTheRight>(panel);
        a.block(k + b, k + b, rest, rest).selfadjointView<Eigen::Lower>().rankUpdate(panel, -1.0);
    }
    return Factored::Done;
}

// The Galerkin matrix is symmetric and, for a physical electrode, positive definite: Cholesky first, the
// pivoted LDL^T where rounding has spoilt the definiteness (rare enough not to be interruptible).
SolveStatus SolveUnitPotential(const Eigen::MatrixXd& matrix, StopCheck& stopped, Eigen::VectorXd& currents) {
    const Eigen::VectorXd ones = Eigen::VectorXd::Ones(matrix.rows());
    Eigen::MatrixXd factor = matrix;
    const Factored factored = FactorInPlace(factor, stopped);
    if (factored == Factored::Stopped)
        return SolveStatus::Stopped;
    if (factored == Factored::Done) {
        const Eigen::VectorXd half = factor.triangularView<Eigen::Lower>().solve(ones);
        currents = factor.triangularView<Eigen::Lower>().transpose().solve(half);
    } else {
        factor.resize(0, 0);
        const Eigen::LDLT<Eigen::MatrixXd, Eigen::Lower> ldlt(matrix);
        if (ldlt.info() != Eigen::Success)
            return SolveStatus::Singular;
        currents = ldlt.solve(ones);
    }
    return currents.allFinite() && currents.sum() > 0 ? SolveStatus::Solved : SolveStatus::Singular;
}

Solution SolveLevel(const Electrode& electrode, std::shared_ptr<GreenFunction> green, double segmentLength,
                    int threads, const std::function<bool()>& stop) {
    Solution solution;
    solution.green = green;
    solution.segments = Segmentize(electrode, green->soil(), segmentLength);
    for (const Segment& segment : solution.segments)
        solution.depths.push_back(RegisterDepths(*green, segment));
    StopCheck stopped(stop);
    Eigen::MatrixXd matrix;
    if (!Assemble(*green, solution.segments, solution.depths, threads, stopped, matrix)) {
        solution.status = SolveStatus::Stopped;
        return solution;
    }
    Eigen::VectorXd currents;
    solution.status = SolveUnitPotential(matrix, stopped, currents);
    if (solution.status != SolveStatus::Solved)
        return solution;
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
                      ThreadsToUse(options.threads), options.stop);
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
    Solution previous = SolveLevel(electrode, green, length, threads, options.stop);
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
        Solution finer = SolveLevel(electrode, green, length, threads, options.stop);
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
