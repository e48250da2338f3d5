#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "ReportPdf.h"

namespace terrovane::report {
namespace {

using testing::SampleRecord;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The text without blanks: the extractor drops the narrow spaces around the page number.
std::string Squeezed(std::string text) {
    std::erase(text, ' ');
    return text;
}

class ReportPdfTest : public ::testing::Test {
  protected:
    std::string Render(const record::RecordTable& table, const ReportHeaderInfo& header) {
        const std::string path = (dir_.path() + "/report.pdf").toStdString();
        std::string error;
        EXPECT_TRUE(RenderReportPdf(table, header, path, &error)) << error;
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(ReportPdfTest, TwentyFiveRecordsGiveTwoFullPages) {
    record::RecordTable table;
    for (std::size_t slot = 0; slot < 25; ++slot)
        table.Set(slot, SampleRecord(1 + slot % 10));
    auto acRecord = SampleRecord(6);
    acRecord.voltageCode = 0;
    table.Set(3, acRecord);
    auto clamp = SampleRecord(3);
    clamp.values[record::kRe] = 25000;
    table.Set(4, clamp);
    auto stake = SampleRecord(1);
    stake.values[record::kRe] = 25000;
    stake.values[record::kRs] = 50;
    table.Set(20, stake);
    auto dc = SampleRecord(7);
    dc.values[record::kR1] = 3000;
    dc.values[record::kR2] = 3000.5f;
    table.Set(21, dc);

    const std::string path = Render(table, {"变电站A", "SN-42", "李四", "2009-01-15"});
    EXPECT_EQ(testing::PdfPageCount(path), 2);
    const std::string text = testing::PdfText(path);
    for (const char* part : {"接地电阻测试仪", "Test Report of Earth/Ground Tester", "变电站A", "SN-42",
                             "李四", "2009-01-15", "Object", "Instrument S/N", "2Pole", "Clamp", ">20.00k",
                             "25.00k", "0.1k", "3000", ">3000", "2012-11-30"}) {
        EXPECT_TRUE(Contains(text, part)) << part;
    }
    for (int slot = 0; slot < 40; ++slot) {
        char number[12];  // room for any int, as the compiler checks
        std::snprintf(number, sizeof number, "%02d", slot);
        EXPECT_TRUE(Contains(text, number)) << number;
    }
    EXPECT_TRUE(Contains(Squeezed(text), "第1页"));
    EXPECT_TRUE(Contains(Squeezed(text), "第2页"));
    EXPECT_FALSE(Contains(text, "Col ")) << "blank cells must stay blank";
}

TEST_F(ReportPdfTest, RecordsAfterAGapAreStillPrinted) {
    record::RecordTable table;
    for (std::size_t slot = 0; slot < 20; ++slot)
        table.Set(slot, SampleRecord(1));
    auto late = SampleRecord(10);
    late.values[record::kIac] = 1.7f;
    table.Set(59, late);
    const std::string path = Render(table, {});
    EXPECT_EQ(testing::PdfPageCount(path), 3);
    const std::string text = testing::PdfText(path);
    EXPECT_TRUE(Contains(Squeezed(text), "第3页"));
    EXPECT_TRUE(Contains(text, "1.7"));
}

// Blank cells, empty header texts and every mode: a PDF reader has no complaint about any page.
TEST_F(ReportPdfTest, PdfReaderReportsNoErrorsOnAnyReport) {
    record::RecordTable sparse;
    sparse.Set(0, SampleRecord(5));
    record::RecordTable full;
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot)
        full.Set(slot, SampleRecord(slot % 12));  // modes 0..11, unknown ones included
    for (const auto* table : {&sparse, &full}) {
        const std::string path =
            Render(*table, table == &sparse ? ReportHeaderInfo{}
                                            : ReportHeaderInfo{"对象", "SN", "Tester", "2009-01-15"});
        const auto check = testing::RunCommand("pdftotext '" + path + "' /dev/null 2>&1");
        EXPECT_EQ(check.status, 0);
        EXPECT_EQ(check.text, "") << "pages: " << testing::PdfPageCount(path);
        const auto info = testing::RunCommand("pdfinfo '" + path + "'");
        EXPECT_TRUE(Contains(info.text, "(A4)")) << info.text;
    }
}

TEST_F(ReportPdfTest, UnwritablePathIsReportedWithTheReason) {
    record::RecordTable table;
    table.Set(0, SampleRecord(1));
    std::string error;
    EXPECT_FALSE(RenderReportPdf(table, {}, "/nonexistent-dir/x.pdf", &error));
    EXPECT_EQ(error, "cannot write /nonexistent-dir/x.pdf: No such file or directory");
}

TEST_F(ReportPdfTest, NothingToPrintIsAnError) {
    record::RecordTable table;
    std::string error;
    EXPECT_FALSE(RenderReportPdf(table, {}, (dir_.path() + "/empty.pdf").toStdString(), &error));
    EXPECT_EQ(error, "no records to print");
    EXPECT_FALSE(RenderReportPdf(table, {}, "/nonexistent-dir/x.pdf", &error));
}

}  // namespace
}  // namespace terrovane::report
