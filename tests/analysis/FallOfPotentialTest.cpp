// The fall-of-potential curve of a hemispherical electrode, computed analytically: the 61.8 % value, the
// plateau check and Tagg's slope method against its true resistance.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "FallOfPotential.h"

namespace terrovane::analysis {
namespace {

constexpr double kRho = 100.0;   // ohm-m
constexpr double kRadius = 0.5;  // m
constexpr double kTrue = kRho / (2.0 * std::numbers::pi * kRadius);

// The resistance read with the potential probe at x from the point distances are measured from, when
// the hemisphere's centre lies `offset` metres behind that point and the current probe D metres in front.
double Curve(double x, double d, double offset = 0.0) {
    return kRho / (2.0 * std::numbers::pi) *
           (1.0 / kRadius - 1.0 / (d + offset) - 1.0 / (x + offset) + 1.0 / (d - x));
}

std::vector<FopReading> Readings(double d, double offset = 0.0) {
    std::vector<FopReading> readings;
    for (int i = 1; i <= 19; ++i) {
        if (d * i / 20.0 + offset > kRadius)  // the probe stays out of the electrode
            readings.push_back({d * i / 20.0, Curve(d * i / 20.0, d, offset)});
    }
    readings.push_back({kTrueFraction * d, Curve(kTrueFraction * d, d, offset)});
    return readings;
}

TEST(FallOfPotentialTest, AHemispheresCurveGivesItsTrueResistanceAt618AndBySlope) {
    const FopAnalysis analysis = AnalyseFallOfPotential(Readings(100.0), 100.0);
    ASSERT_TRUE(analysis.Ok()) << analysis.error;
    EXPECT_NEAR(analysis.resistanceAt618, kTrue, kTrue * 1e-4);
    ASSERT_TRUE(analysis.plateau.has_value());
    EXPECT_TRUE(*analysis.plateau);
    EXPECT_LT(analysis.plateauSpreadPercent, 5.0);
    ASSERT_TRUE(analysis.slope.has_value());
    EXPECT_NEAR(analysis.slope->mu, 0.5714, 1e-3);
    EXPECT_NEAR(analysis.slope->ptOverC, 0.618, 1e-3);
    // Pt falls between readings: linear interpolation on a curved stretch costs a little.
    EXPECT_NEAR(analysis.slope->resistance, kTrue, kTrue * 2e-3);
}

TEST(FallOfPotentialTest, FromAnOffsetStartOnlyTheSlopeMethodFindsTheTrueResistance) {
    // Measured from a point 3 m in front of the electrical centre, with the current probe only 10 m out.
    const FopAnalysis analysis = AnalyseFallOfPotential(Readings(10.0, 3.0), 10.0);
    ASSERT_TRUE(analysis.Ok());
    EXPECT_GT(std::fabs(analysis.resistanceAt618 - kTrue), kTrue * 0.02);
    ASSERT_TRUE(analysis.slope.has_value());
    EXPECT_NEAR(analysis.slope->ptOverC, 0.618 - 0.382 * 0.3, 1e-3);
    EXPECT_NEAR(analysis.slope->resistance, kTrue, kTrue * 5e-3);
}

TEST(FallOfPotentialTest, ABadCurrentProbeFailsThePlateauWithAdvice) {
    // D only 15 radii: the electrode's and the probe's fields overlap, the curve has no flat part.
    const FopAnalysis analysis = AnalyseFallOfPotential(Readings(7.5), 7.5);
    ASSERT_TRUE(analysis.Ok());
    ASSERT_TRUE(analysis.plateau.has_value());
    EXPECT_FALSE(*analysis.plateau);
    EXPECT_GT(analysis.plateauSpreadPercent, 5.0);
    ASSERT_FALSE(analysis.notes.empty());
    EXPECT_NE(analysis.notes.front().find("move the current probe further out"), std::string::npos);
}

TEST(FallOfPotentialTest, WithoutReadingsAround618OrAtTheSlopePointsThoseAnswersAreLeftOut) {
    const double d = 50.0;
    const std::vector<FopReading> narrow = {
        {25.0, Curve(25.0, d)}, {31.0, Curve(31.0, d)}, {33.0, Curve(33.0, d)}};
    const FopAnalysis analysis = AnalyseFallOfPotential(narrow, d);
    ASSERT_TRUE(analysis.Ok());
    EXPECT_FALSE(analysis.plateau.has_value());
    EXPECT_FALSE(analysis.slope.has_value());
    EXPECT_EQ(analysis.notes.size(), 2u);
    const FopAnalysis outside = AnalyseFallOfPotential({{10.0, 1.0}, {20.0, 2.0}}, d);
    EXPECT_EQ(outside.error,
              "61.8 % of D (30.9 m) lies outside the readings (10 m to 20 m): add readings on both "
              "sides of it");
}

TEST(FallOfPotentialTest, BadReadingsAreRefusedWithTheReason) {
    EXPECT_EQ(AnalyseFallOfPotential({{10, 1}}, 50).error, "at least two readings are needed");
    EXPECT_EQ(AnalyseFallOfPotential({{10, 1}, {40, 2}}, 0).error,
              "the current-probe distance must be a number above 0 m and at most 100 km");
    EXPECT_EQ(
        AnalyseFallOfPotential({{10, 1}, {50, 2}}, 50).error,
        "reading 2: the potential probe must be between the electrode and the current probe (0 to 50 m), "
        "not at 50 m");
    EXPECT_EQ(AnalyseFallOfPotential({{10, 1}, {40, 0}}, 50).error,
              "reading 2: the resistance must be above 0 ohm and at most 1e12 ohm");
    // Extreme but accepted readings still give finite answers.
    const FopAnalysis steep = AnalyseFallOfPotential({{1, 1e12}, {40, 1}}, 50);
    ASSERT_TRUE(steep.Ok());
    EXPECT_TRUE(std::isfinite(steep.resistanceAt618));
    EXPECT_EQ(AnalyseFallOfPotential({{10, 1}, {10, 2}}, 50).error,
              "reading 2: the distance 10 m is already reading 1's");
    EXPECT_EQ(AnalyseFallOfPotential({{NAN, 1}, {10, 2}}, 50).error, "reading 1: not a number");
}

TEST(FallOfPotentialTest, TheSlopeTableGivesTheHemisphereOffsetValuesAcrossItsRange) {
    // The first three agree with the entries of the published table that could be checked.
    const std::vector<std::pair<double, double>> table = {
        {0.40, 0.643}, {0.45, 0.636}, {0.50, 0.629}, {0.55, 0.621}, {0.60, 0.614}, {0.70, 0.598},
        {0.80, 0.580}, {1.00, 0.542}, {1.20, 0.494}, {1.40, 0.431}, {1.59, 0.341},
    };
    for (const auto& [mu, ptOverC] : table) {
        ASSERT_TRUE(SlopePtOverC(mu).has_value()) << mu;
        EXPECT_NEAR(*SlopePtOverC(mu), ptOverC, 5e-4) << "mu " << mu;
    }
}

TEST(FallOfPotentialTest, TheSlopeTableCoversTheMethodsRangeOnly) {
    EXPECT_NEAR(*SlopePtOverC(0.5714), 0.618, 1e-3);
    EXPECT_GT(*SlopePtOverC(0.40), *SlopePtOverC(1.0));
    EXPECT_FALSE(SlopePtOverC(0.39).has_value());
    EXPECT_FALSE(SlopePtOverC(1.6).has_value());
    EXPECT_FALSE(SlopePtOverC(NAN).has_value());
}

record::MeasurementRecord EarthResult(std::uint32_t mode, float re) {
    record::MeasurementRecord r;
    r.mode = mode;
    r.voltageCode = 1;  // without a test voltage the instrument shows no earth resistance
    r.values[record::kRe] = re;
    return r;
}

TEST(FallOfPotentialTest, StoredResultsPairWithTheirDistancesInOrder) {
    record::MeasurementRecord resistivity;
    resistivity.mode = 9;  // a resistivity result between them is passed over
    const std::vector<SourcedRecord> records = {{"slot 00", EarthResult(1, 4.5f), {}},
                                                {"slot 01", resistivity, {}},
                                                {"slot 02", EarthResult(2, 5.0f), {}},
                                                {"slot 03", EarthResult(1, 5.5f), {}}};
    std::vector<FopReading> readings;
    std::vector<std::string> leftOut;
    std::string error;
    ASSERT_TRUE(FopReadingsFromRecords(records, {10, 20, 30}, readings, leftOut, error));
    ASSERT_EQ(readings.size(), 3u);
    EXPECT_EQ(readings[1].distance, 20.0);
    EXPECT_EQ(readings[1].resistance, 5.0);
    EXPECT_TRUE(leftOut.empty());
    EXPECT_FALSE(FopReadingsFromRecords(records, {10, 20}, readings, leftOut, error));
    EXPECT_EQ(error, "2 distances given for 3 earth-resistance results (3Pole, 4Pole)");
}

TEST(FallOfPotentialTest, OverRangeFailedAndDoubtfulResultsLeaveWithTheirDistances) {
    const std::vector<SourcedRecord> records = {
        {"slot 00", EarthResult(1, 4.5f), {}},
        {"slot 01", EarthResult(1, 350000.0f), {}},  // the instrument showed >300k: no number
        {"slot 02", EarthResult(1, -1.0f), {}},
        {"slot 03", EarthResult(1, 5.0f), {"jamming voltage 12 V above 10 V"}},
        {"slot 04", EarthResult(2, 5.5f), {}},
    };
    std::vector<FopReading> readings;
    std::vector<std::string> leftOut;
    std::string error;
    ASSERT_TRUE(FopReadingsFromRecords(records, {10, 20, 30, 40, 50}, readings, leftOut, error));
    ASSERT_EQ(readings.size(), 2u);
    EXPECT_EQ(readings[1].distance, 50.0);
    EXPECT_EQ(readings[1].resistance, 5.5);
    EXPECT_EQ(leftOut, (std::vector<std::string>{
                           "slot 01: Re > 300 k\xCE\xA9 is over range, no measured value; left out",
                           "slot 02: no valid Re; left out",
                           "slot 03: doubtful (jamming voltage 12 V above 10 V); left out"}));
    // What is left is too short a curve, and the analysis refuses it.
    readings.pop_back();
    EXPECT_FALSE(AnalyseFallOfPotential(readings, 100).Ok());
}

}  // namespace
}  // namespace terrovane::analysis
