// The report's cells against the workbook's: one rule book, two documented differences.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "CellText.h"
#include "ModeName.h"
#include "RecordTexts.h"
#include "ReportCells.h"

namespace terrovane::report {
namespace {

using format::Quantity;

// The report's value columns as the printed column header names them.
constexpr std::array<std::pair<int, Quantity>, 14> kColumns = {{
    {4, Quantity::TestVoltage},
    {5, Quantity::TestFrequency},
    {6, Quantity::Re},
    {7, Quantity::Rs},
    {8, Quantity::Rh},
    {9, Quantity::Rac},
    {10, Quantity::R1},
    {11, Quantity::R2},
    {12, Quantity::Resistivity},
    {13, Quantity::Rk},
    {14, Quantity::JammingFrequency},
    {15, Quantity::JammingVoltage},
    {16, Quantity::Iac},
    {17, Quantity::Distance},
}};

// Every band edge of every column, the accessors' special results, and what no band expects.
const std::vector<float> kValues = {-400,
                                    -300,
                                    -1,
                                    -0.5f,
                                    0,
                                    0.04f,
                                    0.5f,
                                    0.9999f,
                                    1,
                                    2.2f,
                                    2.3f,
                                    2.999f,
                                    3,
                                    3.0001f,
                                    29.99f,
                                    30,
                                    50,
                                    50.1f,
                                    99.9f,
                                    100,
                                    149,
                                    149.9f,
                                    150,
                                    299.9f,
                                    300,
                                    999.9f,
                                    1000,
                                    2999.9f,
                                    3000,
                                    3000.5f,
                                    20000,
                                    20001,
                                    25000,
                                    29999,
                                    30000,
                                    99999,
                                    100000,
                                    100001,
                                    200000,
                                    299999,
                                    300000,
                                    300001,
                                    400000,
                                    999999,
                                    1e6f,
                                    2e6f,
                                    1e30f,
                                    std::numeric_limits<float>::infinity(),
                                    std::numeric_limits<float>::quiet_NaN()};
const std::vector<std::uint32_t> kDistances = {0, 1, 50, 99, 100, 120, 65535, 0xFFFFFFFF};

std::string ExpectedCell(Quantity quantity, const record::MeasurementRecord& r) {
    const std::string cell = format::FormatCellText(quantity, &r);
    if (quantity == Quantity::Rac && format::Rac(&r) >= 300000) {
        EXPECT_EQ(cell, ">300.0k");  // the one text the report prints differently
        return ">300k";
    }
    return cell.empty() && quantity != Quantity::Re ? "  " : cell;
}

void ExpectRowAgrees(const record::MeasurementRecord& r, std::size_t slot) {
    record::RecordTable table;
    table.Set(slot, r);
    const RowTexts row = ReportRowTexts(table, slot);
    ASSERT_EQ(row[0], format::SlotText(slot));
    ASSERT_EQ(row[1], format::ModeName(r.mode));
    ASSERT_EQ(row[2], format::FormatRecordDate(r));
    ASSERT_EQ(row[3], format::FormatRecordTime(r));
    for (const auto& [column, quantity] : kColumns) {
        ASSERT_EQ(row[column], ExpectedCell(quantity, r))
            << "mode " << r.mode << " column " << column << " value " << r.values[0] << " voltage code "
            << int(r.voltageCode) << " distance " << r.integerValue;
    }
}

TEST(ReportCellAgreement, EveryModeAndBandMatchesTheWorkbookApartFromBlankAndRacOver) {
    std::size_t n = 0;
    for (std::uint32_t mode = 0; mode <= 255; ++mode) {
        for (std::size_t v = 0; v < kValues.size(); ++v) {
            for (std::uint8_t voltageCode : {0, 1, 2}) {
                record::MeasurementRecord r;
                r.mode = mode;
                r.year = 0x24, r.month = 0x02, r.day = 0x29, r.hour = 0x23, r.minute = 0x59, r.second = 0x01;
                r.voltageCode = voltageCode;
                r.frequencyCode = static_cast<std::uint8_t>(n % 7);
                r.values.fill(kValues[v]);
                r.integerValue = kDistances[n % kDistances.size()];
                ExpectRowAgrees(r, n % record::kSlotCount);
                if (::testing::Test::HasFatalFailure())
                    return;
                ++n;
            }
        }
    }
}

TEST(ReportCellAgreement, JammingColumnsApplyToUnknownModesToo) {
    record::MeasurementRecord r;
    r.mode = 0;
    r.values[record::kJammingFrequency] = 50;
    r.values[record::kJammingVoltage] = 3;
    for (std::uint32_t mode : {0u, 11u, 200u}) {
        r.mode = mode;
        record::RecordTable table;
        table.Set(0, r);
        const RowTexts row = ReportRowTexts(table, 0);
        EXPECT_EQ(row[14], "50.0") << mode;
        EXPECT_EQ(row[15], "3.0") << mode;
        EXPECT_EQ(row[6], "") << mode;
        EXPECT_EQ(row[9], "  ") << mode;
    }
}

}  // namespace
}  // namespace terrovane::report
