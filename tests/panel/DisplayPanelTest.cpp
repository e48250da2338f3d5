#include <QApplication>
#include <QDialog>
#include <QPushButton>

#include <gtest/gtest.h>

#include "ChartWindow.h"
#include "DigitField.h"
#include "DisplayPanel.h"
#include "MessageRecorder.h"
#include "PanelControls.h"
#include "PanelPicture.h"
#include "SampleRecord.h"

namespace terrovane::panel {
namespace {

using terrovane::testing::SampleRecord;

const std::string kReadFirst = "No data\xEF\xBC\x8Cplease read firstly";

// A panel on a plain dialog, with the dialog state it binds to.
struct PanelHarness {
    QDialog dialog;
    record::ReadOutState readOut;
    std::optional<int> selectedRow;
    DisplayPanel panel{
        &dialog, {readOut, [this] { return selectedRow; }}, QPoint(0, 0), units::DialogUnits(6, 12)};

    std::set<int> VisiblePanelControls() const {
        std::set<int> visible;
        for (const auto& row : kPanelControls) {
            if (panel.Control(row.id)->isVisibleTo(const_cast<QDialog*>(&dialog)))
                visible.insert(row.id);
        }
        return visible;
    }
    std::string Digits(int id) const { return panel.Field(id)->Text(); }
};

TEST(DisplayPanel, StartsBlankWithPanelColouredFourteenSegmentFields) {
    PanelHarness h;
    EXPECT_TRUE(h.VisiblePanelControls().empty());
    std::set<int> ids;
    for (const auto& row : kPanelControls)
        ids.insert(row.id);
    EXPECT_EQ(ids.size(), 51u);
    for (int id : kDigitFieldIds) {
        ASSERT_NE(h.panel.Field(id), nullptr);
        EXPECT_EQ(h.panel.Field(id)->BackgroundColour(), kPanelColour);
        EXPECT_EQ(h.panel.Field(id)->Style(), kStyleKeepAspect | kStyleFourteenSegment);
    }
    EXPECT_EQ(h.panel.Control(kMainDigits)->geometry(), QRect(120, 138, 204, 99));  // 80,92 136x66 units
    EXPECT_FALSE(h.panel.Control(kCurrentButton)->isVisibleTo(&h.dialog));
    EXPECT_TRUE(h.panel.Control(kResistanceButton)->isVisibleTo(&h.dialog));
}

TEST(DisplayPanel, NothingToShowBeforeAReadOut) {
    testing::MessageRecorder messages;
    PanelHarness h;
    h.selectedRow = 3;
    h.panel.OnListClicked();
    h.panel.OnShowCommand();
    h.panel.OnVoltageButton();
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{kReadFirst, kReadFirst, kReadFirst}));
    EXPECT_TRUE(h.VisiblePanelControls().empty());
}

TEST(DisplayPanel, ReadOutShowsTheFirstRecordAndShowSteps) {
    testing::MessageRecorder messages;
    PanelHarness h;
    h.readOut.table.Set(4, SampleRecord(1, 12.34f));
    h.readOut.dataRead = true;
    h.panel.OnReadOutFinished();
    EXPECT_EQ(h.readOut.currentIndex, 4);
    EXPECT_EQ(h.Digits(kMainDigits), "12.34");
    EXPECT_EQ(h.Digits(kSlotDigits), "04");
    EXPECT_TRUE(h.VisiblePanelControls().count(kSubE));

    h.panel.OnShowCommand();  // the Re page was page 0; Show goes on to Rk
    EXPECT_TRUE(h.readOut.requestsSent);
    EXPECT_EQ(h.Digits(kMainDigits), "0.0");
    EXPECT_TRUE(h.VisiblePanelControls().count(kSubK));
    EXPECT_FALSE(h.VisiblePanelControls().count(kSubE));
    EXPECT_TRUE(messages.Texts().empty());
}

TEST(DisplayPanel, ResistanceButtonAlternatesReAndRk) {
    PanelHarness h;
    h.readOut.table.Set(0, SampleRecord(1, 500));
    h.readOut.dataRead = true;
    h.panel.OnReadOutFinished();
    EXPECT_EQ(h.Digits(kMainDigits), " 500");
    auto* resistance = static_cast<QPushButton*>(h.panel.Control(kResistanceButton));
    for (const char* expected : {"0.0", " 500", "0.0"}) {
        resistance->click();
        EXPECT_EQ(h.Digits(kMainDigits), expected);
    }
}

TEST(DisplayPanel, ClickingAnEmptyRowBlanksTheDisplay) {
    testing::MessageRecorder messages;
    PanelHarness h;
    h.readOut.table.Set(0, SampleRecord(3, 25000));
    h.readOut.dataRead = true;
    h.panel.OnReadOutFinished();
    EXPECT_TRUE(h.VisiblePanelControls().count(kLimitWord));
    EXPECT_EQ(h.Digits(kMainDigits), "20.00");

    h.selectedRow = 9;
    h.panel.OnListClicked();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"No data"});
    EXPECT_EQ(h.readOut.currentIndex, 9);
    EXPECT_TRUE(h.VisiblePanelControls().empty());

    h.selectedRow = 0;
    h.panel.OnListClicked();
    EXPECT_EQ(h.readOut.currentIndex, 0);
    EXPECT_TRUE(h.VisiblePanelControls().count(kClamp));
}

TEST(DisplayPanel, FrequencyButtonOnAutomaticFrequency) {
    PanelHarness h;
    auto record = SampleRecord(2, 5);
    record.frequencyCode = 5;
    h.readOut.table.Set(0, record);
    h.readOut.dataRead = true;
    h.panel.OnReadOutFinished();
    static_cast<QPushButton*>(h.panel.Control(kFrequencyButton))->click();
    const auto visible = h.VisiblePanelControls();
    EXPECT_TRUE(visible.count(kAutomaticFrequency));
    EXPECT_TRUE(visible.count(kLetterF) && visible.count(kSubM));
    EXPECT_FALSE(visible.count(kHertz));
    EXPECT_FALSE(visible.count(kMainDigits));
}

TEST(DisplayPanel, IdlePictureCoversTheDisplay) {
    PanelHarness h;
    QWidget* idle = h.panel.Control(kIdlePicture);
    EXPECT_FALSE(idle->isVisibleTo(&h.dialog));
    h.panel.SetIdlePictureVisible(true);
    EXPECT_TRUE(idle->isVisibleTo(&h.dialog));
    h.panel.SetIdlePictureVisible(false);
    EXPECT_FALSE(idle->isVisibleTo(&h.dialog));
}

TEST(ChartWindow, DisplayColoursComposeToAUniformField) {
    PanelHarness h;
    const QImage chart = h.panel.Chart()->Compose();
    ASSERT_EQ(chart.size(), QSize(368, 294));
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            ASSERT_EQ(QColor(chart.pixel(x, y)), kPanelColour) << x << "," << y;
        }
    }
    // The grid is there underneath: a visible grid colour shows through the OR.
    h.panel.Chart()->SetGridColour(QColor(0, 0, 255));
    const QImage gridded = h.panel.Chart()->Compose();
    EXPECT_EQ(QColor(gridded.pixel(55, 10)), QColor(173, 211, 255));
}

TEST(ChartWindow, PaintsTheDisplayColourOnScreen) {
    PanelHarness h;
    h.dialog.resize(700, 600);
    h.dialog.show();
    QApplication::processEvents();
    const QImage shot = h.dialog.grab(QRect(12, 70, 368, 60)).toImage();  // above the first controls
    for (int y = 0; y < shot.height(); y += 3) {
        for (int x = 0; x < shot.width(); x += 3)
            ASSERT_EQ(QColor(shot.pixel(x, y)), kPanelColour) << x << "," << y;
    }
}

}  // namespace
}  // namespace terrovane::panel
