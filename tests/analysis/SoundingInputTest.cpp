// Soundings from CSV text and from stored resistivity results.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "FallOfPotential.h"
#include "Sounding.h"

namespace terrovane::analysis {
namespace {

TEST(SoundingInputTest, CsvGivesResistivitiesOrConvertsResistances) {
    Sounding sounding;
    std::string error;
    ASSERT_TRUE(ParseSoundingCsv("# site A\r\nspacing_m,apparent_resistivity_ohm_m\r\n1,120.5\r\n\r\n2, 98\n",
                                 false, sounding, error))
        << error;
    ASSERT_EQ(sounding.size(), 2u);
    EXPECT_EQ(sounding[1].apparentResistivity, 98.0);
    ASSERT_TRUE(ParseSoundingCsv("spacing_m,resistance_ohm\n2,10\n", true, sounding, error));
    EXPECT_NEAR(sounding[0].apparentResistivity, 2.0 * std::numbers::pi * 2.0 * 10.0, 1e-9);
}

TEST(SoundingInputTest, CsvFaultsNameTheLine) {
    Sounding sounding;
    std::string error;
    EXPECT_FALSE(ParseSoundingCsv("spacing_m,resistance_ohm\n1,2\n", false, sounding, error));
    EXPECT_EQ(error, "line 1: the header \"spacing_m,apparent_resistivity_ohm_m\" expected");
    EXPECT_FALSE(
        ParseSoundingCsv("spacing_m,apparent_resistivity_ohm_m\n1,2\n3;4\n", false, sounding, error));
    EXPECT_EQ(error, "line 3: two values separated by a comma expected");
    EXPECT_FALSE(ParseSoundingCsv("spacing_m,apparent_resistivity_ohm_m\n1,2,3\n", false, sounding, error));
    EXPECT_FALSE(ParseSoundingCsv("spacing_m,apparent_resistivity_ohm_m\n1,abc\n", false, sounding, error));
    EXPECT_EQ(error, "line 2: \"1,abc\" is not two numbers");
    EXPECT_FALSE(ParseSoundingCsv("", false, sounding, error));
    // Numbers that are not finite pass the reader and are named by the sounding's own check.
    ASSERT_TRUE(ParseSoundingCsv("spacing_m,apparent_resistivity_ohm_m\n1,nan\n", false, sounding, error));
    EXPECT_EQ(CheckSounding(sounding), "point 1: not a number");
    std::vector<FopReading> readings;
    EXPECT_FALSE(ParseFopCsv("potential_probe_m,resistance_ohm\n1e999,2\n", readings, error));
    EXPECT_EQ(error, "line 2: \"1e999,2\" is not two numbers");
}

record::MeasurementRecord Resistivity(std::uint32_t distance, float rho) {
    record::MeasurementRecord r;
    r.mode = 9;
    r.integerValue = distance;
    r.values[record::kResistivity] = rho;
    return r;
}

TEST(SoundingInputTest, StoredResultsBecomeASoundingOrderedByDistanceWithNotes) {
    record::MeasurementRecord other;
    other.mode = 1;
    const std::vector<SourcedRecord> records = {
        {"slot 00", Resistivity(8, 90.0f), {}},
        {"slot 01", other, {}},
        {"slot 02", Resistivity(2, 100.0f), {}},
        {"slot 03", Resistivity(8, 160.0f), {}},
        {"slot 04", Resistivity(0, 50.0f), {}},
        {"slot 05", Resistivity(4, -1.0f), {}},
        {"slot 06", Resistivity(120, 70.0f), {}},
        {"slot 07", Resistivity(16, 1.5e6f), {}},
        {"slot 08", Resistivity(32, 80.0f), {"jamming voltage 12 V above 10 V"}},
    };
    const GatheredSounding gathered = SoundingFromRecords(records);
    ASSERT_EQ(gathered.points.size(), 3u);
    EXPECT_EQ(gathered.points[0].spacing, 2.0);
    EXPECT_EQ(gathered.points[1].spacing, 8.0);
    EXPECT_NEAR(gathered.points[1].apparentResistivity, 120.0, 1e-9);  // sqrt(90 * 160)
    EXPECT_EQ(gathered.points[2].spacing, 120.0);
    const std::vector<std::string> expected = {"slot 06: distance shown as >99; the stored 120 m is used",
                                               "2 results at 8 m: their geometric mean is used"};
    EXPECT_EQ(gathered.notes, expected);
    // Only measured, trusted resistivities are fitted; the others are named with the reason.
    const std::vector<std::string> leftOut = {
        "slot 04: no measuring distance; left out", "slot 05: no valid \xCF\x81; left out",
        "slot 07: \xCF\x81 > 999.9 k\xCE\xA9\xC2\xB7m is over range, no measured value; left out",
        "slot 08: doubtful (jamming voltage 12 V above 10 V); left out"};
    EXPECT_EQ(gathered.leftOut, leftOut);
}

}  // namespace
}  // namespace terrovane::analysis
