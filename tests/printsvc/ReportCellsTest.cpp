#include <QString>

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "ReportCells.h"
#include "ReportPage.h"

namespace terrovane::report {
namespace {

using record::MeasurementRecord;
using testing::SampleRecord;

RowTexts Row(const MeasurementRecord& r, std::size_t slot = 0) {
    record::RecordTable table;
    table.Set(slot, r);
    return ReportRowTexts(table, slot);
}

MeasurementRecord With(std::uint32_t mode, int index, float value) {
    MeasurementRecord r = SampleRecord(mode);
    r.values[index] = value;
    return r;
}

TEST(ReportCellsTest, EmptySlotShowsOnlyItsNumber) {
    record::RecordTable table;
    const RowTexts row = ReportRowTexts(table, 7);
    EXPECT_EQ(row[0], "07");
    EXPECT_EQ(ReportRowTexts(table, 42)[0], "42");
    EXPECT_EQ(row[6], "");  // Re's blank is empty
    for (int c = 1; c < kReportColumns; ++c) {
        if (c == 6)
            continue;
        EXPECT_EQ(row[c], "  ") << c;
    }
}

TEST(ReportCellsTest, DateTimeModeVoltageAndFrequency) {
    MeasurementRecord r = SampleRecord(1);
    r.year = 0x09, r.month = 0x01, r.day = 0x05;
    RowTexts row = Row(r);
    EXPECT_EQ(row[1], "3Pole");
    EXPECT_EQ(row[2], "2009-01-05");
    EXPECT_EQ(row[3], "10:20:30");
    EXPECT_EQ(row[4], "20");
    EXPECT_EQ(row[5], "105");
    EXPECT_EQ(Row(SampleRecord(4))[2], "2012-11-30");
    r.voltageCode = 2, r.frequencyCode = 5;
    EXPECT_EQ(Row(r)[4], "48");
    EXPECT_EQ(Row(r)[5], "AFE");
    r.voltageCode = 9, r.frequencyCode = 0, r.mode = 77;
    row = Row(r);
    EXPECT_EQ(row[1], "  ");
    EXPECT_EQ(row[4], "  ");
    EXPECT_EQ(row[5], "  ");
    EXPECT_EQ(Row(SampleRecord(9))[1], "ρ");
}

TEST(ReportCellsTest, TwoPoleAcRow) {
    MeasurementRecord r = SampleRecord(6);
    r.voltageCode = 0;
    const RowTexts row = Row(r);
    EXPECT_EQ(row[1], "2Pole AC");
    EXPECT_EQ(row[4], "20");
    EXPECT_EQ(row[6], "");
    EXPECT_EQ(row[7], "  ");
    EXPECT_EQ(row[8], "  ");
    EXPECT_EQ(row[9], "40.0");
    EXPECT_EQ(row[13], "0.2");
    EXPECT_EQ(row[14], "50.0");
    EXPECT_EQ(row[15], "3.0");
    EXPECT_EQ(Row(SampleRecord(7))[5], "  ");  // DC modes have no test frequency
}

TEST(ReportCellsTest, EarthResistanceBands) {
    EXPECT_EQ(Row(With(3, record::kRe, 25000))[6], ">20.00k");
    EXPECT_EQ(Row(With(1, record::kRe, 25000))[6], "25.00k");
    EXPECT_EQ(Row(With(1, record::kRe, 500))[6], " 500");
    EXPECT_EQ(Row(With(1, record::kRe, 2999.9f))[6], "3000");
    EXPECT_EQ(Row(With(2, record::kRe, 3000))[6], "3.00k");
    EXPECT_EQ(Row(With(2, record::kRe, 300000))[6], "300.0k");
    EXPECT_EQ(Row(With(4, record::kRe, 30000))[6], ">20.00k");
    for (std::uint32_t mode = 1; mode <= 4; ++mode)
        EXPECT_EQ(Row(With(mode, record::kRe, 400000))[6], ">300k");
    EXPECT_EQ(Row(With(1, record::kRe, -1))[6], "");
    MeasurementRecord noVoltage = SampleRecord(1);
    noVoltage.voltageCode = 0;
    EXPECT_EQ(Row(noVoltage)[6], "");
    EXPECT_EQ(Row(With(5, record::kRe, 150))[6], ">150.0");
    EXPECT_EQ(Row(With(5, record::kRe, 149))[6], "149");
    EXPECT_EQ(Row(With(6, record::kRe, 5))[6], "");
}

TEST(ReportCellsTest, KiloOhmAndCappedColumns) {
    EXPECT_EQ(Row(With(1, record::kRs, 50))[7], "0.1k");
    EXPECT_EQ(Row(With(1, record::kRs, 350000))[7], ">300.0k");
    EXPECT_EQ(Row(With(1, record::kRh, 350000))[8], ">300k");
    EXPECT_EQ(Row(With(1, record::kRh, 200000))[8], "200k");
    EXPECT_EQ(Row(With(6, record::kRac, 300000))[9], ">300k");
    EXPECT_EQ(Row(With(6, record::kRac, 12346))[9], "12.35k");
    EXPECT_EQ(Row(With(7, record::kR1, 3000))[10], "3000");
    EXPECT_EQ(Row(With(7, record::kR1, 3000.5f))[10], ">3000");
    EXPECT_EQ(Row(With(8, record::kR2, 300))[11], "300");
    EXPECT_EQ(Row(With(8, record::kR2, 3))[11], "3.000");
    EXPECT_EQ(Row(With(9, record::kResistivity, 2000000))[12], ">999.9k");
    EXPECT_EQ(Row(With(9, record::kResistivity, 500000))[12], "500.0k");
    EXPECT_EQ(Row(With(1, record::kRk, 0))[13], "0.000");
    EXPECT_EQ(Row(With(2, record::kRk, 1))[13], "  ");
    EXPECT_EQ(Row(With(1, record::kJammingFrequency, 1500))[14], ">999.9");
    EXPECT_EQ(Row(With(1, record::kJammingVoltage, 0.5f))[15], "  ");
    EXPECT_EQ(Row(With(1, record::kJammingVoltage, 60))[15], ">50.0");
    EXPECT_EQ(Row(With(10, record::kIac, 3))[16], ">2.2");
    EXPECT_EQ(Row(With(10, record::kIac, 1.5f))[16], "1.5");
}

TEST(ReportCellsTest, DistanceOnlyInResistivityMode) {
    MeasurementRecord r = SampleRecord(9);
    EXPECT_EQ(Row(r)[17], "10");
    r.integerValue = 120;
    EXPECT_EQ(Row(r)[17], ">99");
    r.integerValue = 0;
    EXPECT_EQ(Row(r)[17], "  ");
    EXPECT_EQ(Row(SampleRecord(1))[17], "  ");
}

TEST(ReportCellsTest, PageCountReachesTheLastOccupiedBlock) {
    record::RecordTable table;
    EXPECT_EQ(CountReportPages(table), 0);
    for (std::size_t slot = 0; slot < 25; ++slot)
        table.Set(slot, SampleRecord(1));
    EXPECT_EQ(CountReportPages(table), 2);
    table.Clear();
    for (std::size_t slot = 0; slot < 20; ++slot)
        table.Set(slot, SampleRecord(1));
    for (std::size_t slot = 40; slot < 60; ++slot)
        table.Set(slot, SampleRecord(1));
    EXPECT_EQ(CountReportPages(table), 3);  // not 2: slots 40..59 must be printed
    table.Clear();
    table.Set(99, SampleRecord(1));
    EXPECT_EQ(CountReportPages(table), 5);
}

TEST(ReportCellsTest, HeaderTextIsCutWithoutSplittingACharacter) {
    EXPECT_EQ(HeaderCellText(std::string(120, 'a')), std::string(98, 'a'));
    std::string mixed = "a";
    for (int i = 0; i < 60; ++i)
        mixed += "测";
    const std::string cut = HeaderCellText(mixed);  // 1 + 48 * 2 = 97 bytes fit, the 49th would split
    std::string expected = "a";
    for (int i = 0; i < 48; ++i)
        expected += "测";
    EXPECT_EQ(cut, expected);
    // Letters GBK lacks are kept, and take the two bytes any character outside ASCII takes.
    std::string polish;
    for (int i = 0; i < 60; ++i)
        polish += "ł";
    const std::string kept = HeaderCellText("Ø" + polish);
    EXPECT_EQ(kept.substr(0, 4), "Øł");
    EXPECT_EQ(QString::fromStdString(kept).size(), 49);
}

}  // namespace
}  // namespace terrovane::report
