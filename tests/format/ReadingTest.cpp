#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "CellText.h"
#include "Reading.h"
#include "RecordBuilder.h"

namespace terrovane::format {
namespace {

using testing::MakeRecord;

struct Over {
    std::uint32_t mode;
    Quantity quantity;
    record::ValueIndex index;
    float stored;
    double bound;
    const char* text;
};

TEST(Reading, OverRangeCarriesTheBoundTheInstrumentShowsAndKeepsTheStoredNumberApart) {
    for (const Over& each : std::initializer_list<Over>{
             {1, Quantity::Re, record::kRe, 350000, 300000, "> 300 kΩ"},
             {3, Quantity::Re, record::kRe, 25000, 20000, "> 20 kΩ"},
             {4, Quantity::Re, record::kRe, 30500, 20000, "> 20 kΩ"},
             {3, Quantity::Re, record::kRe, 400000, 300000, "> 300 kΩ"},
             {5, Quantity::Re, record::kRe, 150, 150, "> 150 Ω"},
             {1, Quantity::Rh, record::kRh, 350000, 300000, "> 300 kΩ"},
             {2, Quantity::Rs, record::kRs, 300001, 300000, "> 300 kΩ"},
             {6, Quantity::Rac, record::kRac, 300000, 300000, "> 300 kΩ"},
             {9, Quantity::Resistivity, record::kResistivity, 1e6f, 999900, "> 999.9 kΩ·m"},
             {7, Quantity::R2, record::kR2, 3001, 3000, "> 3 kΩ"},
             {10, Quantity::Iac, record::kIac, 12.6f, 2.2, "> 2.2 A"},
             {1, Quantity::JammingVoltage, record::kJammingVoltage, 60, 50, "> 50 V"},
         }) {
        const auto r = MakeRecord(each.mode, each.index, each.stored);
        const Reading reading = ReadingOf(each.quantity, &r);
        EXPECT_EQ(reading.kind, ReadingKind::OverRange) << each.text;
        EXPECT_EQ(reading.value, each.bound) << each.text;
        EXPECT_EQ(reading.stored, static_cast<double>(each.stored)) << each.text;
        EXPECT_EQ(OverRangeText(each.quantity, reading), each.text);
    }
}

TEST(Reading, MeasuredNotApplicableAndInvalidReadings) {
    auto r = MakeRecord(1, record::kRe, 4.87f);
    EXPECT_EQ(ReadingOf(Quantity::Re, &r).kind, ReadingKind::Measured);
    EXPECT_EQ(ReadingOf(Quantity::Re, &r).value, static_cast<double>(4.87f));
    EXPECT_EQ(ReadingOf(Quantity::Rac, &r).kind, ReadingKind::NotApplicable);
    EXPECT_EQ(ReadingOf(Quantity::Re, nullptr).kind, ReadingKind::NotApplicable);
    EXPECT_EQ(OverRangeText(Quantity::Re, ReadingOf(Quantity::Re, &r)), "");
    r.values[record::kRe] = -1;
    EXPECT_EQ(ReadingOf(Quantity::Re, &r).kind, ReadingKind::Invalid);
    r.values[record::kRe] = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(ReadingOf(Quantity::Re, &r).kind, ReadingKind::Invalid);
    // No test voltage: the instrument shows no earth resistance, whatever it stored.
    r.values[record::kRe] = 12.5f;
    r.voltageCode = 0;
    EXPECT_EQ(ReadingOf(Quantity::Re, &r).kind, ReadingKind::Invalid);
    EXPECT_EQ(ReadingOf(Quantity::Re, &r).stored, 12.5);
    // Below 1 V the jamming voltage is no reading; a loop resistance has no top.
    r.values[record::kJammingVoltage] = 0.5f;
    EXPECT_EQ(ReadingOf(Quantity::JammingVoltage, &r).kind, ReadingKind::Invalid);
    r.values[record::kRk] = std::numeric_limits<float>::infinity();
    EXPECT_EQ(ReadingOf(Quantity::Rk, &r).kind, ReadingKind::Invalid);
}

TEST(Reading, SpacingAbove99MetresStaysTheStoredMetresAndAutomaticFrequencyIsItsCode) {
    auto r = MakeRecord(9, record::kResistivity, 120);
    r.integerValue = 120;
    EXPECT_EQ(FormatCellText(Quantity::Distance, &r), ">99");
    EXPECT_EQ(ReadingOf(Quantity::Distance, &r).kind, ReadingKind::Measured);
    EXPECT_EQ(ReadingOf(Quantity::Distance, &r).value, 120);
    r.integerValue = 0;
    EXPECT_EQ(ReadingOf(Quantity::Distance, &r).kind, ReadingKind::NotApplicable);
    r.frequencyCode = 5;
    const Reading automatic = ReadingOf(Quantity::TestFrequency, &r);
    ASSERT_NE(automatic.code, nullptr);
    EXPECT_STREQ(automatic.code, "AFE");
    r.frequencyCode = 2;
    EXPECT_EQ(ReadingOf(Quantity::TestFrequency, &r).code, nullptr);
    EXPECT_EQ(ReadingOf(Quantity::TestFrequency, &r).value, 105);
}

// The cell texts and the readings come from one set of ranges: a cell shows ">" exactly where the reading
// is over range, and is empty exactly where there is no reading, over every quantity and mode.
TEST(Reading, CellTextShowsOverRangeExactlyWhereTheReadingIs) {
    const float values[] = {
        -5,    0,      2.2f,   2.3f,   50,   51,    149,
        150,   999.9f, 1000,   3000,   3001, 20000, 20001,
        99999, 300000, 300001, 999999, 1e6f, 4e6f,  std::numeric_limits<float>::infinity()};
    for (std::uint32_t mode = 0; mode <= 11; ++mode) {
        for (const Quantity quantity : kValueColumns) {
            for (int index = 0; index < record::kValueCount; ++index) {
                for (const float value : values) {
                    auto r = MakeRecord(mode, static_cast<record::ValueIndex>(index), value);
                    r.integerValue = 150;
                    const Reading reading = ReadingOf(quantity, &r);
                    const std::string cell = FormatCellText(quantity, &r);
                    const bool shown = !cell.empty();
                    const bool overText = shown && cell[0] == '>' && quantity != Quantity::Distance;
                    EXPECT_EQ(overText, reading.IsOverRange()) << cell << " mode " << mode;
                    EXPECT_EQ(shown, reading.kind == ReadingKind::Measured || reading.IsOverRange())
                        << cell << " mode " << mode;
                }
            }
        }
    }
}

}  // namespace
}  // namespace terrovane::format
