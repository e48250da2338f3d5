#include <gtest/gtest.h>

#include "EraseTexts.h"
#include "RecordBuilder.h"

namespace terrovane::format {
namespace {

using testing::MakeRecord;

TEST(EraseTexts, TheMainValueOfEachKindOfResultWithItsNameAndUnit) {
    EXPECT_EQ(MainValueText(MakeRecord(1, record::kRe, 12.34f)), "Re 12.34 Ω");
    EXPECT_EQ(MainValueText(MakeRecord(2, record::kRe, 25000)), "Re 25.00 kΩ");  // the kilo goes to the unit
    EXPECT_EQ(MainValueText(MakeRecord(1, record::kRe, 350000)), "Re >300 kΩ");
    EXPECT_EQ(MainValueText(MakeRecord(6, record::kRac, 15.2f)), "Rac 15.20 Ω");
    EXPECT_EQ(MainValueText(MakeRecord(7, record::kR1, 0.118f)), "R1 0.118 Ω");
    EXPECT_EQ(MainValueText(MakeRecord(9, record::kResistivity, 3870)), "ρ 3.87 kΩ·m");
    EXPECT_EQ(MainValueText(MakeRecord(10, record::kIac, 1.9f)), "Iac 1.9 A");
    EXPECT_EQ(MainValueText(MakeRecord(1, record::kRe, -1)), "Re no valid reading");
    EXPECT_EQ(MainValueText(MakeRecord(0)), "no valid reading");
}

TEST(EraseTexts, OneResultIsNamedBySlotModeValueAndMomentAllByTheirCount) {
    auto r = MakeRecord(3, record::kRe, 4.87f);
    r.year = 0x25, r.month = 0x03, r.day = 0x12, r.hour = 0x09, r.minute = 0x41, r.second = 0x07;
    EXPECT_EQ(EraseOneDetails(7, r), "Result to erase: slot 07, 3Pole Clamp, Re 4.87 Ω, 2025-03-12 09:41:07");
    EXPECT_EQ(EraseOneDetails(42, MakeRecord(12)),
              "Result to erase: slot 42, unknown mode, no valid reading, 2000-00-00 00:00:00");
    EXPECT_EQ(EraseAllDetails(1), "Results to erase: the 1 stored result.");
    EXPECT_EQ(EraseAllDetails(23), "Results to erase: all 23 stored results.");
}

}  // namespace
}  // namespace terrovane::format
