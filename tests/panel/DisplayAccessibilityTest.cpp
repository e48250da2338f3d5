// The simulated display in words: the pure sentence and the interface a screen reader queries.
#include <QAccessible>
#include <QDialog>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "ChartWindow.h"
#include "DisplayPanel.h"
#include "PanelControls.h"
#include "SampleRecord.h"
#include "SpokenDisplay.h"

namespace terrovane::panel {
namespace {

using terrovane::testing::SampleRecord;

std::string SpokenFirstPage(const record::MeasurementRecord& record, std::uint16_t slot) {
    DisplayState state;
    return SpokenDisplay(CurrentPageView(record, state, slot), record.mode);
}

TEST(SpokenDisplay, ReadsTheQuantityValueUnitModeAndSlot) {
    EXPECT_EQ(SpokenFirstPage(SampleRecord(1, 4.87f), 0), "RE 4.87 ohm, 3-pole, slot 00");
    EXPECT_EQ(SpokenFirstPage(SampleRecord(2, 1520.0f), 42), "RE 1520 ohm, 4-pole, slot 42");
    // The jamming voltage page of the Voltage button.
    DisplayState state;
    VoltageStepView(SampleRecord(1, 4.87f), state, 7);
    const std::string jamming = SpokenDisplay(VoltageStepView(SampleRecord(1, 4.87f), state, 7), 1);
    EXPECT_EQ(jamming.rfind("U jamming ", 0), 0u) << jamming;
    EXPECT_NE(jamming.find(" V, 3-pole, slot 07"), std::string::npos) << jamming;
    EXPECT_EQ(SpokenDisplay(PanelView{}, 1), "");
}

TEST(SpokenDisplay, ModesInWordsFromTheirWorkbookNames) {
    EXPECT_EQ(SpokenModeName(1), "3-pole");
    EXPECT_EQ(SpokenModeName(4), "4-pole clamp");
    EXPECT_EQ(SpokenModeName(6), "2-pole AC");
    EXPECT_EQ(SpokenModeName(9), "resistivity");
    EXPECT_EQ(SpokenModeName(10), "current");
    EXPECT_EQ(SpokenModeName(0), "");
}

TEST(DisplayAccessibility, TheDisplayNamesItselfAndReadsThePageShown) {
    QDialog dialog;
    record::ReadOutState readOut;
    std::optional<int> selected;
    DisplayPanel panel(&dialog, {readOut, [&selected] { return selected; }}, QPoint(0, 0),
                       units::DialogUnits(6, 12));
    readOut.table.Set(0, SampleRecord(1, 4.87f));
    readOut.table.Set(3, SampleRecord(2, 1520.0f));
    readOut.dataRead = true;

    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(panel.Chart());
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->role(), QAccessible::StaticText);
    EXPECT_EQ(display->text(QAccessible::Name), QStringLiteral("Instrument display"));
    EXPECT_EQ(display->text(QAccessible::Value), QString());

    // The value-change events themselves reach only a platform bridge, which the offscreen platform lacks:
    // the display's signal goes with each of them.
    QSignalSpy changes(panel.Chart(), &ChartWindow::ReadingChanged);
    panel.ShowRecord(0);
    EXPECT_EQ(display->text(QAccessible::Value), QStringLiteral("RE 4.87 ohm, 3-pole, slot 00"));
    // Another record chosen in the list: the value follows, and the reader is told.
    selected = 3;
    panel.OnListClicked();
    EXPECT_EQ(display->text(QAccessible::Value), QStringLiteral("RE 1520 ohm, 4-pole, slot 03"));
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes.at(0).at(0).toString(), QStringLiteral("RE 4.87 ohm, 3-pole, slot 00"));
    EXPECT_EQ(changes.at(1).at(0).toString(), QStringLiteral("RE 1520 ohm, 4-pole, slot 03"));
    // Blanked, the display says nothing, and says so once.
    panel.BlankDisplay();
    panel.BlankDisplay();
    EXPECT_EQ(display->text(QAccessible::Value), QString());
    EXPECT_EQ(changes.size(), 3);
}

}  // namespace
}  // namespace terrovane::panel
