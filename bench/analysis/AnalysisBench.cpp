// Times the soil fits of a 20-point Wenner sounding against their targets: two layers under 20 ms, three
// layers under 200 ms, the automatic choice (1, 2 and 3 layers fitted) under 500 ms. Beside each figure, as
// the reference it is made of, the time of one evaluation of the same model at the 20 spacings (the
// solver's unit of work). Prints each figure beside its target; exits 1 when one is missed.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "SoilFit.h"

namespace {

namespace analysis = terrovane::analysis;

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// 20 spacings from 0.5 m to 100 m, 2 % scatter, fixed seed.
analysis::Sounding Survey(const analysis::LayeredEarth& earth, unsigned seed) {
    std::mt19937 random(seed);
    std::normal_distribution<double> scatter(0.0, 0.02);
    analysis::Sounding sounding;
    for (int i = 0; i < 20; ++i) {
        const double a = 0.5 * std::pow(200.0, i / 19.0);
        sounding.push_back({a, analysis::WennerApparentResistivity(earth, a) * std::exp(scatter(random))});
    }
    return sounding;
}

double ForwardMs(const analysis::LayeredEarth& earth, const analysis::Sounding& sounding) {
    std::vector<double> times;
    for (int run = 0; run < 50; ++run) {
        times.push_back(Milliseconds([&] {
            double sum = 0.0;
            for (const auto& point : sounding)
                sum += analysis::WennerApparentResistivity(earth, point.spacing);
            if (!std::isfinite(sum))
                std::printf("?");
        }));
    }
    return Median(times);
}

bool Report(const char* what, const std::function<analysis::SoilFit()>& fit, double targetMs,
            const analysis::LayeredEarth& reference, const analysis::Sounding& sounding) {
    std::vector<double> times;
    analysis::SoilFit last;
    for (int run = 0; run < 9; ++run)
        times.push_back(Milliseconds([&] { last = fit(); }));
    const double ms = Median(times);
    std::printf(
        "%-34s %8.2f ms (target < %3.0f ms) %-6s  %zu layers, RMS %.2f %%; reference: one %zu-layer "
        "forward model of 20 points %.3f ms\n",
        what, ms, targetMs, ms < targetMs ? "ok" : "MISSED", last.layers.size(), last.rmsPercent,
        reference.LayerCount(), ForwardMs(reference, sounding));
    return ms < targetMs;
}

}  // namespace

int main() {
    const analysis::LayeredEarth two{{300.0, 40.0}, {3.0}};
    const analysis::LayeredEarth three{{120.0, 900.0, 30.0}, {1.5, 6.0}};
    const analysis::Sounding twoData = Survey(two, 1);
    const analysis::Sounding threeData = Survey(three, 2);
    bool ok = true;
    ok = Report(
             "two-layer fit, 20 points", [&] { return analysis::FitSoil(twoData, 2); }, 20, two, twoData) &&
         ok;
    ok = Report(
             "three-layer fit, 20 points", [&] { return analysis::FitSoil(threeData, 3); }, 200, three,
             threeData) &&
         ok;
    ok = Report(
             "automatic layer count, 20 points", [&] { return analysis::FitSoilAuto(threeData); }, 500, three,
             threeData) &&
         ok;
    return ok ? 0 : 1;
}
