// Schlumberger soundings: their geometry against Wenner's, and fitted by the one soil fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "SoilFit.h"

namespace terrovane::analysis {
namespace {

// AB/2 from 1 m to 100 m, 16 readings evenly on a log scale, with MN/2 widened in steps as the potential
// falls off, as a crew moves its potential electrodes: 0.25 m, then 1 m from 5 m, 5 m from 30 m.
Sounding SchlumbergerSounding(const LayeredEarth& earth, std::mt19937& random, double noise) {
    std::normal_distribution<double> scatter(0.0, noise);
    Sounding sounding;
    for (int i = 0; i < 16; ++i) {
        const double ab2 = std::pow(100.0, i / 15.0);
        const double mn2 = ab2 < 5.0 ? 0.25 : ab2 < 30.0 ? 1.0 : 5.0;
        sounding.push_back({ab2, SchlumbergerByFilter(earth, ab2, mn2) * std::exp(scatter(random)),
                            SoundingArray::Schlumberger, mn2});
    }
    return sounding;
}

// A Wenner survey of the same ground reaching as deep: a from 0.7 m to 70 m.
Sounding WennerSounding(const LayeredEarth& earth, std::mt19937& random, double noise) {
    std::normal_distribution<double> scatter(0.0, noise);
    Sounding sounding;
    for (int i = 0; i < 16; ++i) {
        const double a = 0.7 * std::pow(100.0, i / 15.0);
        sounding.push_back({a, WennerApparentResistivity(earth, a) * std::exp(scatter(random))});
    }
    return sounding;
}

// The potential difference per ampere between M and N of four electrodes on uniform ground of
// resistivity rho, from the potential rho I / (2 pi r) of each current electrode.
double UniformResistance(double rho, double am, double bm, double an, double bn) {
    return rho / (2.0 * std::numbers::pi) * (1.0 / am - 1.0 / bm - 1.0 / an + 1.0 / bn);
}

TEST(SchlumbergerFitTest, ResistanceGivesTheUniformGroundsResistivityAndWennerIsItsSpecialCase) {
    for (const auto& [ab2, mn2] : {std::pair{10.0, 1.0}, std::pair{3.0, 0.5}, std::pair{100.0, 2.0}}) {
        const double r = UniformResistance(80.0, ab2 - mn2, ab2 + mn2, ab2 + mn2, ab2 - mn2);
        EXPECT_NEAR(SchlumbergerApparentResistivity(r, ab2, mn2), 80.0, 80.0 * 1e-12) << ab2 << "/" << mn2;
    }
    // MN/2 = AB/2 / 3 stands the electrodes a = 2/3 AB/2 apart: the Wenner array, formula and model alike.
    const double a = 4.0;
    EXPECT_NEAR(SchlumbergerApparentResistivity(2.5, 1.5 * a, 0.5 * a), 2.0 * std::numbers::pi * a * 2.5,
                1e-12);
    const LayeredEarth earth{{300.0, 20.0, 300.0}, {2.0, 6.0}};
    for (double spacing : {0.5, 3.0, 12.0, 80.0})
        EXPECT_NEAR(
            SchlumbergerByFilter(earth, 1.5 * spacing, 0.5 * spacing) / WennerByFilter(earth, spacing), 1.0,
            1e-9)
            << spacing;
}

TEST(SchlumbergerFitTest, TheGradientIsTheModelsOwnDerivative) {
    const LayeredEarth earth{{120.0, 900.0, 40.0}, {1.5, 8.0}};
    std::vector<double> gradient;
    const double value = SchlumbergerByFilterWithGradient(earth, 12.0, 1.0, gradient);
    EXPECT_NEAR(value / SchlumbergerByFilter(earth, 12.0, 1.0), 1.0, 1e-6);
    ASSERT_EQ(gradient.size(), 5u);
    for (std::size_t j = 0; j < gradient.size(); ++j) {
        LayeredEarth moved = earth;
        double& parameter = j < 3 ? moved.resistivities[j] : moved.thicknesses[j - 3];
        parameter *= std::exp(1e-6);  // d/d ln p by a central difference
        const double up = SchlumbergerByFilter(moved, 12.0, 1.0);
        parameter *= std::exp(-2e-6);
        const double down = SchlumbergerByFilter(moved, 12.0, 1.0);
        EXPECT_NEAR(gradient[j], (up - down) / 2e-6, 1e-4 * value) << "parameter " << j;
    }
}

TEST(SchlumbergerFitTest, ASyntheticTwoLayerSoundingIsFittedBackToItsLayers) {
    const LayeredEarth truth{{250.0, 40.0}, {3.0}};
    std::mt19937 random(20261211);
    const SoilFit exact = FitSoil(SchlumbergerSounding(truth, random, 0.0), 2);
    ASSERT_TRUE(exact.Ok()) << exact.error;
    EXPECT_TRUE(exact.converged);
    EXPECT_NEAR(exact.layers[0].resistivity, 250.0, 0.01);
    EXPECT_NEAR(exact.layers[1].resistivity, 40.0, 0.01);
    EXPECT_NEAR(*exact.layers[0].thickness, 3.0, 1e-4);
    EXPECT_EQ(exact.points[4].array, SoundingArray::Schlumberger);
    EXPECT_EQ(exact.points[4].mn2, 0.25);
    // With 2 % scatter each value lands within three of its own one-sigma uncertainties (a chance of about
    // 1 in 100 per case for three parameters), and the automatic choice keeps the two layers.
    int within = 0;
    constexpr int kCases = 8;
    for (int c = 0; c < kCases; ++c) {
        const Sounding sounding = SchlumbergerSounding(truth, random, 0.02);
        const SoilFit fit = FitSoilAuto(sounding);
        ASSERT_EQ(fit.layers.size(), 2u) << "case " << c;
        EXPECT_LT(fit.rmsPercent, 4.0);
        // Each error in units of its one-sigma uncertainty, on the logarithmic scale the fit works in.
        const auto z = [](double fitted, double sigma, double truth) {
            return std::fabs(std::log(fitted / truth)) / (sigma / fitted);
        };
        const FittedLayer& top = fit.layers[0];
        const double errors[] = {z(top.resistivity, top.resistivitySigma, 250.0),
                                 z(fit.layers[1].resistivity, fit.layers[1].resistivitySigma, 40.0),
                                 z(*top.thickness, *top.thicknessSigma, 3.0)};
        within += std::all_of(std::begin(errors), std::end(errors), [](double e) { return e <= 3.0; });
    }
    EXPECT_GE(within, kCases - 1);
}

TEST(SchlumbergerFitTest, WennerAndSchlumbergerSoundingsOfOneGroundGiveOneModel) {
    const LayeredEarth truth{{60.0, 600.0, 25.0}, {1.2, 6.0}};
    std::mt19937 random(7);
    const SoilFit wenner = FitSoil(WennerSounding(truth, random, 0.0), 3);
    const SoilFit schlumberger = FitSoil(SchlumbergerSounding(truth, random, 0.0), 3);
    ASSERT_TRUE(wenner.Ok() && schlumberger.Ok());
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(schlumberger.layers[i].resistivity / wenner.layers[i].resistivity, 1.0, 1e-3) << i;
        if (i < 2) {
            EXPECT_NEAR(*schlumberger.layers[i].thickness / *wenner.layers[i].thickness, 1.0, 1e-3) << i;
        }
    }
    // With scatter, both land on the truth's layer count and within their combined uncertainty.
    const SoilFit noisyWenner = FitSoilAuto(WennerSounding({{250.0, 40.0}, {3.0}}, random, 0.02));
    const SoilFit noisySchlumberger = FitSoilAuto(SchlumbergerSounding({{250.0, 40.0}, {3.0}}, random, 0.02));
    ASSERT_EQ(noisyWenner.layers.size(), 2u);
    ASSERT_EQ(noisySchlumberger.layers.size(), 2u);
    const auto apart = [](double a, double sa, double b, double sb) {
        return std::fabs(std::log(a / b)) / std::hypot(sa / a, sb / b);
    };
    EXPECT_LT(apart(noisyWenner.layers[0].resistivity, noisyWenner.layers[0].resistivitySigma,
                    noisySchlumberger.layers[0].resistivity, noisySchlumberger.layers[0].resistivitySigma),
              3.0);
    EXPECT_LT(apart(*noisyWenner.layers[0].thickness, *noisyWenner.layers[0].thicknessSigma,
                    *noisySchlumberger.layers[0].thickness, *noisySchlumberger.layers[0].thicknessSigma),
              3.0);
}

TEST(SchlumbergerFitTest, APotentialElectrodeAtOrOutsideACurrentOneIsRefused) {
    const Sounding sounding = {{1, 100, SoundingArray::Schlumberger, 0.2},
                               {3, 90, SoundingArray::Schlumberger, 3},
                               {10, 80, SoundingArray::Schlumberger, 1}};
    EXPECT_EQ(FitSoil(sounding, 1).error, "point 2: MN/2 must be above 0 m and below AB/2, 3 m");
    EXPECT_EQ(FitSoil({{1, 100, SoundingArray::Schlumberger, 0}, {3, 90}}, 1).refusal.reason,
              RefusalReason::PotentialSpacingOutOfRange);
}

}  // namespace
}  // namespace terrovane::analysis
