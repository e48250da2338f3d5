// The forward models: the filter's N-layer model against the two-layer image series, including the
// contrasts near +-1 and the thin top layers where the series is slow; a published two-layer curve.
#include <gtest/gtest.h>

#include <cmath>

#include "LayeredEarth.h"

namespace terrovane::analysis {
namespace {

TEST(ForwardModelTest, TheFilterAgreesWithTheImageSeriesWithinATenthOfAPercent) {
    int compared = 0;
    for (double rho2 : {0.1, 1.0, 30.0, 99.0, 101.0, 400.0, 1e4, 1e6}) {
        for (double h : {0.05, 0.4, 1.0, 3.0, 12.0, 60.0}) {
            for (double a : {0.5, 1.0, 3.0, 10.0, 40.0, 150.0}) {
                const ImageSeries series = TwoLayerWennerImages(100.0, rho2, h, a);
                if (!series.converged)
                    continue;
                const double filtered = WennerByFilter({{100.0, rho2}, {h}}, a);
                EXPECT_NEAR(filtered / series.apparentResistivity, 1.0, 1e-3)
                    << "rho2 " << rho2 << " h " << h << " a " << a;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 150);
}

TEST(ForwardModelTest, TheImageSeriesEndsOnItsBoundAndLeavesTheSlowCasesToTheFilter) {
    // A thick top layer: the bracket falls fast, a few terms do.
    const ImageSeries thick = TwoLayerWennerImages(100.0, 1000.0, 20.0, 5.0);
    EXPECT_TRUE(thick.converged);
    EXPECT_LT(thick.terms, 40);
    // Near-perfect conductor under a thin layer: K ~ -1 and the terms fall as 1/n^3 only.
    const ImageSeries thin = TwoLayerWennerImages(100.0, 1e-4, 0.05, 50.0);
    EXPECT_FALSE(thin.converged);
    EXPECT_EQ(thin.terms, kMaxImageTerms);
    // The fit's model still answers there, from the filter, and goes towards the bottom layer.
    const LayeredEarth earth{{100.0, 1e-4}, {0.05}};
    EXPECT_EQ(WennerApparentResistivity(earth, 50.0), WennerByFilter(earth, 50.0));
    EXPECT_LT(WennerApparentResistivity(earth, 50.0), 0.5);
    // A thin skin over uniform ground is nearly the ground; equal layers are uniform.
    EXPECT_NEAR(WennerApparentResistivity({{100.0, 300.0}, {1e-3}}, 10.0), 300.0, 0.5);
    EXPECT_NEAR(WennerApparentResistivity({{70.0, 70.0}, {2.0}}, 3.0), 70.0, 1e-9);
}

TEST(ForwardModelTest, UniformGroundGivesItsResistivityForEveryArrayAndLayerCount) {
    for (double a : {0.3, 4.0, 90.0}) {
        EXPECT_NEAR(WennerByFilter({{250.0, 250.0, 250.0}, {1.0, 5.0}}, a), 250.0, 250.0 * 1e-6);
        EXPECT_NEAR(SchlumbergerByFilter({{250.0, 250.0}, {2.0}}, a, a / 10.0), 250.0, 250.0 * 1e-6);
    }
}

// The surface potential of a point source on two layers by images, 2 pi V / (rho1 I) =
// 1/r + 2 sum_n K^n / sqrt(r^2 + (2nh)^2), summed far past where its terms matter.
double TwoLayerPotential(double rho1, double rho2, double h, double r) {
    const double k = (rho2 - rho1) / (rho2 + rho1);
    double sum = 1.0 / r;
    double power = 1.0;
    for (int n = 1; n < 200000 && std::fabs(power) > 1e-16; ++n) {
        power *= k;
        sum += 2.0 * power / std::hypot(r, 2.0 * n * h);
    }
    return rho1 * sum;
}

TEST(ForwardModelTest, SchlumbergerByFilterAgreesWithItsImageSeries) {
    for (double rho2 : {20.0, 500.0}) {
        for (double ab2 : {1.0, 4.0, 15.0, 60.0}) {
            const double mn2 = ab2 / 10.0;
            const double dv = 2.0 * (TwoLayerPotential(100.0, rho2, 3.0, ab2 - mn2) -
                                     TwoLayerPotential(100.0, rho2, 3.0, ab2 + mn2));
            const double images = (ab2 * ab2 - mn2 * mn2) / (2.0 * mn2) * dv / 2.0;
            EXPECT_NEAR(SchlumbergerByFilter({{100.0, rho2}, {3.0}}, ab2, mn2) / images, 1.0, 1e-3)
                << rho2 << " " << ab2;
        }
    }
}

TEST(ForwardModelTest, ThreeLayersReachTheBottomLayerAndDipTowardsAConductiveMiddle) {
    const LayeredEarth earth{{300.0, 20.0, 300.0}, {2.0, 6.0}};
    EXPECT_NEAR(WennerByFilter(earth, 0.1), 300.0, 3.0);
    EXPECT_LT(WennerByFilter(earth, 8.0), 150.0);
    EXPECT_NEAR(WennerByFilter(earth, 5000.0), 300.0, 6.0);
    // Schlumberger reaches deeper than Wenner at the same outer spacing: its curve turns down sooner.
    EXPECT_LT(SchlumbergerByFilter(earth, 3.0, 0.5), WennerByFilter(earth, 2.0));
}

// A two-layer model and its computed Wenner curve as published with a field sounding (BC Hydro's N-Layer
// program, sample "Soil1", http://ground-it.com/N-Layer/Soil1.out): rho1 413.57, rho2 122.97 ohm-m,
// h 2.16 m, values printed to 0.1 ohm-m.
TEST(ForwardModelTest, APublishedTwoLayerCurveIsReproducedToItsPrintedDigits) {
    const LayeredEarth earth{{413.57, 122.97}, {2.16}};
    const double spacing[] = {1, 2, 4, 6, 8, 12, 16, 20, 24, 30, 36};
    const double printed[] = {400.7, 348.0, 231.4, 171.5, 146.6, 131.1, 127.0, 125.4, 124.6, 124.0, 123.7};
    for (int i = 0; i < 11; ++i) {
        // Half the last digit for the printed value and as much again for the rounded parameters.
        EXPECT_NEAR(WennerApparentResistivity(earth, spacing[i]), printed[i], 0.15) << spacing[i] << " m";
    }
}

TEST(ForwardModelTest, ModelsThatCannotBeComputedAreNamed) {
    EXPECT_EQ(CheckModel({{100.0, 50.0}, {2.0}}), "");
    EXPECT_NE(CheckModel({}), "");
    EXPECT_NE(CheckModel({{100.0, 50.0}, {}}), "");
    EXPECT_NE(CheckModel({{100.0, -5.0}, {2.0}}), "");
    EXPECT_NE(CheckModel({{100.0, 50.0}, {NAN}}), "");
}

}  // namespace
}  // namespace terrovane::analysis
