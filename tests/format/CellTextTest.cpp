#include <string>

#include <gtest/gtest.h>

#include "CellText.h"
#include "RecordBuilder.h"

namespace terrovane::format {
namespace {

using testing::MakeRecord;

struct CellRow {
    std::uint32_t mode;
    float value;
    const char* text;
};

void ExpectCells(Quantity quantity, record::ValueIndex index, std::initializer_list<CellRow> rows) {
    for (const auto& row : rows) {
        const auto r = MakeRecord(row.mode, index, row.value);
        EXPECT_EQ(FormatCellText(quantity, &r), row.text) << "mode " << row.mode << " value " << row.value;
    }
}

TEST(CellText, EarthResistanceStakeAndClampModes) {
    ExpectCells(Quantity::Re, record::kRe,
                {{1, -5, ""},           {1, 0, "0.000"},       {2, 2.999f, "2.999"},
                 {1, 3, "3.00"},        {1, 29.99f, "29.99"},  {1, 30, "30.0"},
                 {1, 299.9f, "299.9"},  {1, 500, " 500"},      {1, 2999.9f, "3000"},
                 {1, 3000, "3.00k"},    {2, 25000, "25.00k"},  {1, 29999, "30.00k"},
                 {1, 30000, "30.0k"},   {2, 300000, "300.0k"}, {1, 300001, ">300k"},
                 {2, 400000, ">300k"},  {3, 20000, "20.00k"},  {4, 20001, ">20.00k"},
                 {3, 25000, ">20.00k"}, {4, 30000, ">20.00k"}, {3, 300000, ">20.00k"},
                 {3, 400000, ">300k"},  {4, 400000, ">300k"},  {6, 12, ""}});
}

TEST(CellText, EarthResistanceIsEmptyWithoutTestVoltage) {
    auto r = MakeRecord(1, record::kRe, 12.5f);
    r.voltageCode = 0;
    EXPECT_EQ(FormatCellText(Quantity::Re, &r), "");
    EXPECT_EQ(FormatCellText(Quantity::Re, nullptr), "");
}

TEST(CellText, TwoClampExportsOverRangeFrom150) {
    ExpectCells(Quantity::Re, record::kRe,
                {{5, -5, ""},
                 {5, 2.999f, "2.999"},
                 {5, 3, "3.00"},
                 {5, 30, "30.0"},
                 {5, 99.9f, "99.9"},
                 {5, 100, "100"},
                 {5, 149, "149"},
                 {5, 150, ">150.0"},
                 {5, 1000, ">150.0"}});
}

TEST(CellText, SmallResistancesDifferOnlyInTheirOverRangeText) {
    ExpectCells(Quantity::Rs, record::kRs,
                {{1, -5, ""},
                 {1, 0, "0.0k"},
                 {2, 100000, "100.0k"},
                 {3, 100001, "100k"},
                 {4, 300000, "300k"},
                 {1, 350000, ">300.0k"},
                 {7, 5, ""}});
    ExpectCells(Quantity::Rh, record::kRh,
                {{1, -5, ""},
                 {1, 1234, "1.2k"},
                 {2, 100000, "100.0k"},
                 {3, 100001, "100k"},
                 {4, 300000, "300k"},
                 {1, 350000, ">300k"}});
}

TEST(CellText, AcResistanceAndResistivity) {
    ExpectCells(Quantity::Rac, record::kRac,
                {{6, -5, ""},
                 {6, 2.999f, "2.999"},
                 {6, 3, "3.00"},
                 {6, 30, "30.0"},
                 {6, 300, "300"},
                 {6, 2999, "2999"},
                 {6, 3000, "3.00k"},
                 {6, 30000, "30.0k"},
                 {6, 299999, "300.0k"},
                 {6, 300000, ">300.0k"},
                 {1, 5, ""}});
    ExpectCells(Quantity::Resistivity, record::kResistivity,
                {{9, -5, ""},
                 {9, 3000, "3.00k"},
                 {9, 300000, "300.0k"},
                 {9, 999000, "999.0k"},
                 {9, 1000000, ">999.9k"}});
}

TEST(CellText, DcResistances) {
    for (auto [quantity, index] :
         {std::pair{Quantity::R1, record::kR1}, std::pair{Quantity::R2, record::kR2}}) {
        ExpectCells(quantity, index,
                    {{7, -5, ""},
                     {7, 3001, ">3000"},
                     {8, 3000, "3000"},
                     {7, 300, "300"},
                     {7, 299.9f, "299.9"},
                     {8, 30.01f, "30.0"},
                     {7, 30, "30.00"},
                     {7, 3.01f, "3.01"},
                     {7, 3, "3.000"},
                     {8, 0, "0.000"},
                     {6, 5, ""}});
    }
}

TEST(CellText, LoopCurrentAndJamming) {
    ExpectCells(Quantity::Rk, record::kRk,
                {{1, -5, ""}, {1, 0, "0.000"}, {3, 0.04f, "0.0"}, {7, 12.34f, "12.3"}});
    ExpectCells(Quantity::Iac, record::kIac, {{10, -5, ""}, {10, 2.1f, "2.1"}, {10, 2.3f, ">2.2"}});
    ExpectCells(Quantity::JammingVoltage, record::kJammingVoltage,
                {{1, 0.5f, ""}, {1, 1, "1.0"}, {2, 50, "50.0"}, {3, 50.1f, ">50.0"}});
    ExpectCells(Quantity::JammingFrequency, record::kJammingFrequency,
                {{1, -5, ""}, {1, 0, "0.0"}, {8, 999.8f, "999.8"}, {9, 1000, ">999.9"}});
}

TEST(CellText, DistanceAndLabels) {
    auto r = MakeRecord(9);
    const std::pair<std::uint32_t, const char*> distances[] = {{0, ""}, {7, "7"}, {99, "99"}, {120, ">99"}};
    for (const auto& [stored, text] : distances) {
        r.integerValue = stored;
        EXPECT_EQ(FormatCellText(Quantity::Distance, &r), text) << stored;
    }
    EXPECT_EQ(FormatCellText(Quantity::TestVoltage, &r), "20");
    r.voltageCode = 0;
    EXPECT_EQ(FormatCellText(Quantity::TestVoltage, &r), "");
    r.frequencyCode = 5;
    EXPECT_EQ(FormatCellText(Quantity::TestFrequency, &r), "AFE");
    r.frequencyCode = 4;
    EXPECT_EQ(FormatCellText(Quantity::TestFrequency, &r), "128");
    r.frequencyCode = 0;
    EXPECT_EQ(FormatCellText(Quantity::TestFrequency, &r), "");
    r.mode = 8;
    r.frequencyCode = 1;
    EXPECT_EQ(FormatCellText(Quantity::TestFrequency, &r), "");
    EXPECT_EQ(FormatCellText(Quantity::TestVoltage, &r), "20");
}

}  // namespace
}  // namespace terrovane::format
