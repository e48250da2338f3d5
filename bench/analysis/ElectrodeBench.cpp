// Times the electrode solver against its targets: IEEE Std 80's 70 m x 70 m grid with 20 rods in uniform
// soil, refined until the resistance settles, under 0.2 s; a 20 x 20-mesh grid with 40 rods in three-layer
// soil (about 2,000 segments) under 2 s; a 200 x 200-point map of its surface potential under 1 s; and the
// solve's time at four sizes with the exponent of its growth; and grid safety in the soil model: the touch
// and step raster over that grid under 1 s, IEEE 80's worked design assessed in three layers (solve, map,
// verdict: what the grid window and `terrovane-cli grid` wait for) under 2 s. Prints each figure beside its
// target; exits 1 when a target is missed. Run on an idle machine for figures worth comparing.
#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Assessment.h"
#include "GridSafety.h"
#include "Potential.h"
#include "Shapes.h"
#include "Solver.h"

namespace {

namespace el = terrovane::electrode;

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The process's processor time, all threads: on a shared machine the wall clock says more about the
// others' load than about the solver.
double ProcessorSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

el::Electrode IeeeGrid() {
    el::Electrode e;
    const el::GridShape grid{70, 70, 11, 11, 0.5, 0.005};
    el::AddGrid(e, grid);
    el::AddPerimeterRods(e, grid, 20, 7.5, 0.008);
    return e;
}

// 100 m x 100 m, 21 x 21 conductors 5 m apart, 40 rods of 8 m through both interfaces.
el::Electrode LargeGrid() {
    el::Electrode e;
    const el::GridShape grid{100, 100, 21, 21, 0.5, 0.005};
    el::AddGrid(e, grid);
    el::AddPerimeterRods(e, grid, 40, 8, 0.008);
    return e;
}

const el::Soil kThreeLayers{{300, 80, 1000}, {1.5, 6}};

bool Report(const char* what, double seconds, double processor, double target, const char* detail) {
    const bool ok = seconds < target;
    std::printf("%-40s %7.3f s, processor %7.3f s (target < %.1f s)  %s  %s\n", what, seconds, processor,
                target, ok ? "ok" : "MISSED", detail);
    return ok;
}

// The machine's load averages (1, 5 and 15 minutes): the wall-clock figures mean little without them, as
// other processes take the processors the threads wait for.
std::string LoadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    if (!(file >> one >> five >> fifteen))
        return "unknown";
    return one + " " + five + " " + fifteen;
}

// A fingerprint of a map's values bit for bit (FNV-1a over their bytes): a change to how the map is computed
// that should keep its values shows here as the same figure before and after.
std::uint64_t Fingerprint(const std::vector<double>& values) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (double v : values) {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        for (int byte = 0; byte < 8; ++byte)
            hash = (hash ^ ((bits >> (8 * byte)) & 0xff)) * 0x100000001b3ULL;
    }
    return hash;
}

// The median of runs of work, in wall-clock seconds, and the processor time of the median run.
struct Timing {
    double seconds = 0;
    double processor = 0;
};

Timing Time(int runs, const std::function<void()>& work) {
    std::vector<std::pair<double, double>> all;
    for (int run = 0; run < runs; ++run) {
        const double before = ProcessorSeconds();
        const double wall = Seconds(work);
        all.emplace_back(wall, ProcessorSeconds() - before);
    }
    std::sort(all.begin(), all.end());
    return {all[all.size() / 2].first, all[all.size() / 2].second};
}

}  // namespace

int main() {
    bool allOk = true;
    std::printf("threads: %u, load average %s\n", std::thread::hardware_concurrency(), LoadAverage().c_str());
    char detail[200];

    el::Solution ieee;
    Timing t = Time(5, [&] { ieee = el::Solve(IeeeGrid(), el::Soil{{400}, {}}); });
    std::snprintf(detail, sizeof detail, "R %.4f ohm, %d segments, %zu levels", ieee.resistance,
                  ieee.levels.back().segments, ieee.levels.size());
    allOk &= Report("IEEE 80 grid, 20 rods, uniform, refined", t.seconds, t.processor, 0.2, detail);

    el::Solution large;
    t = Time(3, [&] { large = el::SolveWithSegments(LargeGrid(), kThreeLayers, 2.5); });
    std::snprintf(detail, sizeof detail, "R %.4f ohm, %zu segments", large.resistance, large.segments.size());
    allOk &= Report("20 x 20 meshes, 40 rods, three layers", t.seconds, t.processor, 2.0, detail);

    el::SurfaceMap map;
    t = Time(3, [&] { map = el::MapSurface(large, {-10, -10, 110, 110}, 200, 200); });
    std::snprintf(detail, sizeof detail, "%.4f .. %.4f V/A, fingerprint %016llx",
                  *std::min_element(map.values.begin(), map.values.end()),
                  *std::max_element(map.values.begin(), map.values.end()),
                  static_cast<unsigned long long>(Fingerprint(map.values)));
    allOk &= Report("its surface map, 200 x 200 points", t.seconds, t.processor, 1.0, detail);
    // The same on one thread: where its processor time matches the threads' together, the threads do not
    // duplicate work, and a wall clock above processor time / threads is time spent waiting for a processor.
    const Timing single = Time(3, [&] { map = el::MapSurface(large, {-10, -10, 110, 110}, 200, 200, 1); });
    std::printf(
        "%-40s %7.3f s, processor %7.3f s (the threads' share of the processor while they ran: %.0f %%)\n",
        "the same map on one thread", single.seconds, single.processor,
        100 * t.processor / (t.seconds * std::max(1u, std::thread::hardware_concurrency())));

    el::SafetyRaster raster;
    const std::vector<el::Area> covered{{0, 0, 100, 100}};
    t = Time(3, [&] { raster = el::MapSafety(large, 1000, covered, el::RasterOptions{}); });
    std::snprintf(detail, sizeof detail, "%d x %d points %.2f m apart, fingerprint %016llx",
                  raster.potential.nx, raster.potential.ny, raster.spacing,
                  static_cast<unsigned long long>(Fingerprint(raster.potential.values)));
    allOk &= Report("its touch and step raster", t.seconds, t.processor, 1.0, detail);

    terrovane::grid::GridDesign design;
    design.grid = {terrovane::grid::GridShape::Square, 70, 70, 11, 11, 0.5, 0.01, 0, 0};
    design.rods = terrovane::grid::GroundRods{20, 7.5, 0.016, terrovane::grid::RodPlacement::Perimeter};
    design.surface = terrovane::grid::SurfaceLayer{2500, 0.102};
    design.fault.gridCurrent = 1908;
    design.fault.duration = 0.5;
    const terrovane::grid::Assessment formulas =
        terrovane::grid::Assess(design, terrovane::grid::GivenSoil(400));
    el::ComputedSafety computed;
    t = Time(3, [&] { computed = el::AssessInSoil(design, kThreeLayers, formulas); });
    std::snprintf(detail, sizeof detail, "R %.4f ohm, %d segments, touch %.0f V, step %.0f V",
                  computed.resistance, computed.segments, computed.touch.volts, computed.step.volts);
    allOk &= Report("IEEE 80 design assessed in three layers", t.seconds, t.processor, 2.0, detail);

    el::Solution refined;
    const double refineSeconds = Seconds([&] { refined = el::Solve(LargeGrid(), kThreeLayers); });
    std::printf("%-52s %9.3f s  R %.4f ohm;", "the same refined until R settles", refineSeconds,
                refined.resistance);
    for (const el::Level& level : refined.levels)
        std::printf(" %d: %.4f", level.segments, level.resistance);
    std::printf("\n");

    std::printf("scaling (three layers, the large grid):\n");
    std::vector<double> sizes, seconds;
    for (double length : {5.0, 2.5, 5.0 / 3, 1.25}) {
        el::Solution s;
        const Timing one = Time(1, [&] { s = el::SolveWithSegments(LargeGrid(), kThreeLayers, length); });
        sizes.push_back(static_cast<double>(s.segments.size()));
        seconds.push_back(one.processor);
        std::printf("  %5zu segments %9.3f s, processor %7.3f s  R %.4f ohm\n", s.segments.size(),
                    one.seconds, one.processor, s.resistance);
    }
    const double exponent =
        std::log(seconds.back() / seconds.front()) / std::log(sizes.back() / sizes.front());
    std::printf("  processor time grows as segments^%.2f between the smallest and the largest\n", exponent);
    return allOk ? 0 : 1;
}
