#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "PrintForm.h"

namespace terrovane::form {
namespace {

// A white page of the given size in inches at 100 pixels per inch.
QImage Page(double widthInches, double heightInches) {
    QImage image(int(widthInches * 100), int(heightInches * 100), QImage::Format_RGB32);
    image.setDotsPerMeterX(3937);  // 100 dpi
    image.setDotsPerMeterY(3937);
    image.fill(Qt::white);
    return image;
}

bool IsBlank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
        }
    }
    return true;
}

class PrintFormTest : public ::testing::Test {};

TEST_F(PrintFormTest, CentringOffsetKeepsAnEightInchLayoutCentred) {
    EXPECT_DOUBLE_EQ(CentringOffsetInches(8.5, kPortrait), 0.25);
    EXPECT_DOUBLE_EQ(CentringOffsetInches(8.0, kPortrait), 0.0);
    EXPECT_DOUBLE_EQ(CentringOffsetInches(11.5, kLandscape), 0.5);
    EXPECT_DOUBLE_EQ(CentringOffsetInches(10.5, kLandscape), 1.25);  // not wide enough for the landscape rule
    QImage wide = Page(8.5, 2), narrow = Page(8, 2);
    QPainter p1(&wide), p2(&narrow);
    PrintForm onWide(p1, 0, 0, wide.width(), wide.height(), kMapPixels, kPortrait);
    PrintForm onNarrow(p2, 0, 0, narrow.width(), narrow.height());
    EXPECT_EQ(onWide.CentringOffset(), 25);
    EXPECT_EQ(onNarrow.CentringOffset(), 0);
    EXPECT_EQ(onWide.Scale().ToDeviceX(1.5), 150);
    EXPECT_EQ(onWide.Scale().ToDeviceX(-1.0), 0);
    EXPECT_DOUBLE_EQ(onWide.Scale().ToInchesY(250), 2.5);
}

TEST_F(PrintFormTest, ScaledMapModeConvertsThroughTheLogicalPage) {
    QImage image = Page(8, 10);
    QPainter painter(&image);
    PrintForm page(painter, 0, 0, image.width(), image.height(), kMapScaled);
    EXPECT_EQ(page.Scale().ToDeviceX(4.0), 500);
    EXPECT_EQ(page.Scale().ToDeviceY(1.0), 100);
    EXPECT_EQ(page.State().rightLimit, 1000);
    PrintForm fallback(painter, 0, 0, 100, 100, 7);  // unknown modes draw in device pixels
    EXPECT_EQ(fallback.Scale().MapMode(), kMapPixels);
}

TEST_F(PrintFormTest, TextBeyondTheLimitsIsSkipped) {
    QImage image = Page(8, 4);
    QPainter painter(&image);
    PrintForm page(painter, 0, 0, image.width(), image.height());
    page.Texts().SetCurrentRow(120);
    EXPECT_DOUBLE_EQ(page.Texts().PrintTextAt(1.0, 8.5, 0, 10, "%s", "far right"), 1.2);
    EXPECT_DOUBLE_EQ(page.Texts().PrintTextAt(4.5, 1.0, 0, 10, "%s", "below"), 1.2);
    page.Texts().SetRightLimit(300);
    EXPECT_DOUBLE_EQ(page.Texts().PrintTextAt(1.0, 3.5, 0, 10, "%s", "beyond a set limit"), 1.2);
    painter.end();
    EXPECT_TRUE(IsBlank(image));
}

TEST_F(PrintFormTest, TextReturnsTheRowBelowItAndRestoresNothingItShouldNot) {
    QImage image = Page(8, 4);
    QPainter painter(&image);
    PrintForm page(painter, 0, 0, image.width(), image.height());
    const double next = page.Texts().PrintTextAt(1.0, 1.0, kBold, 12, "%d lines", 1);
    EXPECT_GT(next, 1.1);
    EXPECT_LT(next, 1.4);
    EXPECT_EQ(page.State().pointSize, 12);
    EXPECT_EQ(page.State().attributes, kBold);
    page.Texts().SetLineSpacing(2.0);
    const double spaced = page.Texts().PrintTextAt(2.0, 1.0, kKeepAttributes, 0, "x");
    EXPECT_NEAR(spaced - 2.0, (next - 1.0) + 12 / 72.0, 0.02);
    EXPECT_EQ(page.SavedDepth(), 0);
    painter.end();
    EXPECT_FALSE(IsBlank(image));
}

TEST_F(PrintFormTest, ColumnWidthsAlwaysFillTheTable) {
    EXPECT_EQ(FitColumnWidths({100, 100}, 40, 340), (std::vector<int>{100, 200}));
    EXPECT_EQ(FitColumnWidths({200, 200}, 40, 340), (std::vector<int>{200, 100}));
    EXPECT_EQ(ColumnTitle({1.0, "", 0}, 0), "Col 1");
    EXPECT_EQ(ColumnTitle({1.0, " ", 0}, 4), " ");
}

TEST_F(PrintFormTest, TableGeometryAndBottom) {
    QImage image = Page(8, 4);
    QPainter painter(&image);
    PrintForm page(painter, 0, 0, image.width(), image.height());
    FormRow row;
    row.inInches = 1, row.equalWidths = 0, row.rows = 0, row.columns = 2;
    row.left = 0.4, row.right = 7.4, row.top = 0.6, row.titleLines = 4, row.pointSize = 9;
    row.cells[0] = {1.0, "a", 0};
    row.cells[1] = {1.0, "b", 0};  // widens to the right edge
    page.DrawTable(row);
    EXPECT_NEAR(row.bottom, 0.6 + 4 * 9 / 72.0, 0.011);
    painter.end();
    // The outer frame's right edge lies at 7.4 in, the inner boundary at 1.4 in; nothing lies beyond.
    const int midRow = 80;
    EXPECT_NE(image.pixel(740, midRow), qRgb(255, 255, 255));
    EXPECT_NE(image.pixel(140, midRow), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(745, midRow), qRgb(255, 255, 255));

    QImage narrow = Page(7, 4);
    QPainter p2(&narrow);
    PrintForm small(p2, 0, 0, narrow.width(), narrow.height());
    row.bottom = 0.123;
    small.DrawTable(row);  // wider than the page's right limit: skipped, bottom kept
    EXPECT_DOUBLE_EQ(row.bottom, 0.123);
    p2.end();
    EXPECT_TRUE(IsBlank(narrow));
}

TEST_F(PrintFormTest, OneColumnTableWithEmptyTitlePrintsColOne) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/table.pdf";
    QPdfWriter writer(path);
    writer.setResolution(1200);
    QPainter painter(&writer);
    const QRect area = writer.pageLayout().paintRectPixels(writer.resolution());
    PrintForm page(painter, 0, 0, area.width(), area.height(), kMapPixels, kPortrait);
    FormRow row;
    row.inInches = 1, row.equalWidths = 0, row.rows = 0, row.columns = 1;
    row.left = 0.4, row.right = 7.4, row.top = 1.0, row.titleLines = 2;
    row.cells[0] = {7.0, "", 0};
    page.DrawTable(row);
    row.top = row.bottom;
    row.cells[0].title = "\nSecond line";
    page.DrawTable(row);
    painter.end();
    const std::string text = testing::PdfText(path.toStdString());
    EXPECT_NE(text.find("Col 1"), std::string::npos) << text;
    EXPECT_NE(text.find("Second line"), std::string::npos) << text;
}

// Shapes without area or length draw nothing at all: a PDF reader must find no empty path to complain of.
TEST_F(PrintFormTest, DegenerateShapesLeaveNoEmptyPathsInAPdf) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/shapes.pdf";
    QPdfWriter writer(path);
    writer.setResolution(1200);
    QPainter painter(&writer);
    const QRect area = writer.pageLayout().paintRectPixels(writer.resolution());
    PrintForm page(painter, 0, 0, area.width(), area.height(), kMapPixels, kPortrait);
    page.Shapes().Line(1.0, 1.0, 1.0, 1.0, 1, 0, Unit::Inches);                    // no length
    page.Shapes().Rectangle(1.0, 2.0, 1.0, 3.0, 1, 1, 0, Unit::Inches);            // no width
    page.Texts().PrintTextInBox(2.0, 2.0, 2.0, 2.5, 0, 10, 1, "x", Unit::Inches);  // boxed text without room
    FormRow row;  // a title row only, so its column lines have no length
    row.inInches = 1, row.equalWidths = 0, row.rows = 0, row.columns = 3;
    row.left = 0.4, row.right = 7.4, row.top = 4.0, row.titleLines = 3;
    row.cells[0] = {0.0, " ", 0}, row.cells[1] = {0.0, "", 0}, row.cells[2] = {7.0, "  ", 0};
    page.DrawTable(row);
    painter.end();
    const auto run = testing::RunCommand("pdftotext '" + path.toStdString() + "' /dev/null 2>&1");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.text, "");
}

}  // namespace
}  // namespace terrovane::form
