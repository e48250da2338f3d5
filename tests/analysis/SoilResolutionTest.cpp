// Whether a fitted layer is resolved: its values narrow enough, and its bottom no deeper than the sounding
// can sense, so that an absurd model of a few points (a 100 km layer of a thousandth of an ohm-metre) is
// never offered as a known one.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "SoilFit.h"

namespace terrovane::analysis {
namespace {

TEST(SoilResolution, AnInterfaceBelowWhatTheSpacingsSenseIsNotResolved) {
    std::vector<FittedLayer> layers = {{100, 5, 20.0, 2.0, false},
                                       {50, 5, std::nullopt, std::nullopt, false}};
    JudgeResolved(layers, 8);  // the bottom at 20 m, within three times the 8 m spacing
    EXPECT_TRUE(layers[0].resolved);
    EXPECT_TRUE(layers[1].resolved);
    JudgeResolved(layers, 6);  // 20 m is beyond 18 m
    EXPECT_FALSE(layers[0].resolved);
    EXPECT_TRUE(layers[1].resolved);

    // The second layer's bottom lies below the first's: 20 m + 10 m is beyond 24 m.
    std::vector<FittedLayer> three = {
        {100, 5, 20.0, 2.0, false}, {300, 20, 10.0, 1.0, false}, {50, 5, std::nullopt, std::nullopt, false}};
    JudgeResolved(three, 8);
    EXPECT_TRUE(three[0].resolved);
    EXPECT_FALSE(three[1].resolved);
    // Values the data do not narrow down are not resolved however shallow.
    three[0].resistivitySigma = 60;
    three[1].thicknessSigma = std::numeric_limits<double>::quiet_NaN();
    JudgeResolved(three, 100);
    EXPECT_FALSE(three[0].resolved);
    EXPECT_FALSE(three[1].resolved);
    EXPECT_TRUE(three[2].resolved);
}

TEST(SoilResolution, ATwoLayerFitOfThreeScatteredPointsIsNotResolved) {
    const SoilFit fit = FitSoil({{1, 420}, {2, 120}, {4, 380}}, 2);
    ASSERT_TRUE(fit.Ok()) << fit.error;
    EXPECT_TRUE(std::none_of(fit.layers.begin(), fit.layers.end(),
                             [](const FittedLayer& layer) { return layer.resolved; }));
}

}  // namespace
}  // namespace terrovane::analysis
