// A verdict on a fitted soil model: safe only where the design is safe across the model's one-sigma range
// and the model is resolved and fits its points; otherwise not shown safe, with the reason and both ends.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "GridFixtures.h"
#include "GridSweep.h"
#include "SoilCertainty.h"

namespace terrovane::grid {
namespace {

// The worked example with its 20 perimeter rods: safe on 400 ohm-m (mesh 747 V against 840 V).
GridDesign SafeOn400() {
    GridDesign design = SquareExample();
    design.rods = GroundRods{20, 7.5, 0.016, RodPlacement::Perimeter};
    return design;
}

FittedSoil OneLayer(double rho, double sigma, double rmsPercent = 3, bool resolved = true) {
    FittedSoil soil = ExactSoil({{rho}, {}});
    soil.layers[0].resistivitySigma = sigma;
    soil.layers[0].resolved = resolved;
    soil.rmsPercent = rmsPercent;
    return soil;
}

std::vector<SoilDoubtCode> Codes(const Assessment& a) {
    std::vector<SoilDoubtCode> codes;
    for (const SoilDoubt& doubt : a.soilDoubts)
        codes.push_back(doubt.code);
    return codes;
}

TEST(SoilCertainty, SafeOnlyWhereSafeAcrossTheRange) {
    // Known to 5 %: safe at both ends.
    const Assessment known = AssessOnFittedSoil(SafeOn400(), OneLayer(400, 20));
    EXPECT_EQ(known.verdict, Verdict::Safe);
    EXPECT_TRUE(known.soilDoubts.empty());
    ASSERT_TRUE(known.lowSoil && known.highSoil);
    EXPECT_NEAR(known.lowSoil->resistivity, 400 / std::exp(0.05), 1e-9);
    EXPECT_NEAR(known.highSoil->resistivity, 400 * std::exp(0.05), 1e-9);
    EXPECT_EQ(known.highSoil->verdict, Verdict::Safe);

    // Known to 25 %: the high end, 514 ohm-m, is not safe, so the design is not shown safe; the ends keep
    // their own verdicts and reasons.
    const Assessment loose = AssessOnFittedSoil(SafeOn400(), OneLayer(400, 100));
    EXPECT_EQ(loose.verdict, Verdict::NotShownSafe);
    EXPECT_EQ(Codes(loose), std::vector{SoilDoubtCode::RangeNotSafe});
    EXPECT_EQ(loose.lowSoil->verdict, Verdict::Safe);
    EXPECT_EQ(loose.highSoil->verdict, Verdict::Unsafe);
    EXPECT_NEAR(loose.highSoil->resistivity, 400 * std::exp(0.25), 1e-9);
    ASSERT_FALSE(loose.highSoil->reasons.empty());
    EXPECT_EQ(loose.highSoil->reasons[0].code, ReasonCode::MeshAboveTouch);
    // The nominal values stay those of the model's own resistivity.
    EXPECT_EQ(loose.soil.resistivity, 400);
    EXPECT_NEAR(loose.meshVoltage, Assess(SafeOn400(), GivenSoil(400)).meshVoltage, 1e-9);

    // Not safe on the nominal value stays not safe, whatever the range.
    EXPECT_EQ(AssessOnFittedSoil(SquareExample(), OneLayer(400, 100)).verdict, Verdict::Unsafe);
}

TEST(SoilCertainty, TheRangeNeverReachesZero) {
    // An auto fit of three scattered points: 305.7 +- 394 ohm-m, RMS 264 %, not resolved. The range is
    // taken on the logarithm, so its low end stays above zero.
    const Assessment a = AssessOnFittedSoil(SafeOn400(), OneLayer(305.7, 394, 264, false));
    EXPECT_EQ(a.verdict, Verdict::NotShownSafe);
    EXPECT_EQ(Codes(a), (std::vector{SoilDoubtCode::RangeNotSafe, SoilDoubtCode::MisfitTooLarge,
                                     SoilDoubtCode::LayerNotResolved}));
    ASSERT_TRUE(a.lowSoil && a.highSoil);
    EXPECT_GT(a.lowSoil->resistivity, 0);
    EXPECT_NEAR(a.lowSoil->resistivity * a.highSoil->resistivity, 305.7 * 305.7, 1e-6);
    EXPECT_EQ(a.soilDoubts[1].value, 264);
    EXPECT_EQ(a.soilDoubts[1].limit, analysis::kMaxSoundingRmsPercent);
    EXPECT_EQ(a.soilDoubts[2].value, 1);  // the layer, counted from the top
}

TEST(SoilCertainty, AModelThatCannotBoundItsValuesIsNotShownSafe) {
    for (const double sigma :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        const Assessment a = AssessOnFittedSoil(SafeOn400(), OneLayer(400, sigma, 0, false));
        EXPECT_EQ(a.verdict, Verdict::NotShownSafe);
        EXPECT_EQ(Codes(a), (std::vector{SoilDoubtCode::RangeUnknown, SoilDoubtCode::LayerNotResolved}));
        EXPECT_FALSE(a.lowSoil || a.highSoil);
    }
    // A misfit beyond what a sounding can have speaks against a model whose values are otherwise narrow.
    const Assessment misfit = AssessOnFittedSoil(SafeOn400(), OneLayer(400, 4, 25));
    EXPECT_EQ(misfit.verdict, Verdict::NotShownSafe);
    EXPECT_EQ(Codes(misfit), std::vector{SoilDoubtCode::MisfitTooLarge});
}

TEST(SoilCertainty, ALayeredModelsRangeFollowsTheCorrelationOfItsValues) {
    // 100 ohm-m over 400 ohm-m at 3 m. Each value known to 20 %, but the two resistivities perfectly
    // anti-correlated in the way that leaves the reduced resistivity nearly unchanged.
    FittedSoil soil = ExactSoil({{100, 400}, {3}});
    soil.layers[0].resistivitySigma = 20;
    soil.layers[1].resistivitySigma = 80;
    soil.layers[0].thicknessSigma = 0.6;
    const double area = 70 * 70;
    const std::optional<SoilRange> independent = UniformRange(soil, area);
    ASSERT_TRUE(independent);
    EXPECT_LT(independent->low, independent->high);

    // ln rho_1, ln rho_2, ln h: variance 0.04 each; rho_1 and rho_2 against each other, h alone.
    soil.logCovariance = {0.04, -0.04, 0, -0.04, 0.04, 0, 0, 0, 0.04};
    const std::optional<SoilRange> correlated = UniformRange(soil, area);
    ASSERT_TRUE(correlated);
    const double nominal = UniformFromModel(soil.model, area).resistivity;
    EXPECT_NEAR(correlated->low * correlated->high, nominal * nominal, 1e-6 * nominal * nominal);
    EXPECT_LT(correlated->high, independent->high);  // the two resistivities move rho_a the same way

    // A thickness the data do not determine leaves the range open.
    soil.logCovariance.clear();
    soil.layers[0].thicknessSigma = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(UniformRange(soil, area));
}

TEST(SoilCertainty, TheSweepFindsOnlyDesignsSafeAcrossTheRange) {
    const SweepRange range{{4, 10}, {0, 20}, {0.5}};
    const SweepOutcome known = FindSmallestSafeGrid(SafeOn400(), OneLayer(400, 4), Standard::Ieee80, range);
    const SweepOutcome loose = FindSmallestSafeGrid(SafeOn400(), OneLayer(400, 100), Standard::Ieee80, range);
    ASSERT_TRUE(known.smallest);
    EXPECT_LT(loose.safe, known.safe);
    if (loose.assessment) {
        EXPECT_EQ(loose.assessment->verdict, Verdict::Safe);
    }
}

}  // namespace
}  // namespace terrovane::grid
