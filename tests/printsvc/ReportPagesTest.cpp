// The print service's report pages: the records handed over decide how many there are, and a printer's
// page range decides which of them are drawn.
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "HandoffFiles.h"
#include "ReportPages.h"
#include "TestEnvironment.h"

namespace terrovane::printsvc {
namespace {

// Slots 0 and 45 are taken: the report runs to its third page.
class ReportPagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto image =
            testing::ImageWith({{0, testing::SampleRecord(1)}, {45, testing::SampleRecord(4)}});
        std::string error;
        ASSERT_TRUE(handoff::WriteRecordFile(image, &error)) << error;
    }

    // Paints to a PDF and says how many pages were drawn and how many the file holds.
    std::pair<int, int> PaintToPdf(ReportPages& pages, bool wholeReport, int from, int to) {
        const std::string path = dir_.filePath("report.pdf").toStdString();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(from, to);
        int drawn = 0;
        pages.Paint(&printer, wholeReport, {}, [&drawn] { ++drawn; });
        return {drawn, testing::PdfPageCount(path)};
    }

    QTemporaryDir dir_;
    testing::EnvironmentOverride handoff_{"TERROVANE_HANDOFF_DIR", dir_.filePath("handoff").toStdString()};
};

TEST_F(ReportPagesTest, PageRangeIsClampedToTheReportUnlessTheWholeReportIsAsked) {
    ReportPages pages;
    ASSERT_EQ(pages.Count(), 3);
    EXPECT_EQ(PaintToPdf(pages, false, 2, 9), std::make_pair(2, 2));
    EXPECT_EQ(PaintToPdf(pages, false, 3, 3), std::make_pair(1, 1));
    EXPECT_EQ(PaintToPdf(pages, true, 2, 2), std::make_pair(3, 3));
}

}  // namespace
}  // namespace terrovane::printsvc
