// Every fault of the simulated instrument against every command of the main dialog: the messages in
// order, and what the table, the list, the display and the port are afterwards.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "CDateTimeDlg.h"
#include "CommandIds.h"
#include "DemoImage.h"
#include "DialogFixture.h"
#include "DisplayPanel.h"
#include "InstrumentSession.h"
#include "LinkMessages.h"
#include "PanelControls.h"
#include "RecordTexts.h"

namespace terrovane::testing {
namespace {

using namespace link;  // the message texts

enum class Command { Read, Clock, EraseCurrent, EraseAll };
enum class Table { Earlier, Demo };
enum class List { Earlier, EarlierWithoutShown, Cleared, Demo };
// Shown: the record on display before the command; Idle: blank, under the port watch's idle picture.
enum class Display { Shown, FirstDemo, Blank, Idle };

struct Row {
    std::string name;
    Command command;
    std::string fault;  // "" for a well-behaved instrument
    std::vector<std::string> messages;
    Table table;
    List list;
    Display display;
    bool dataRead;
    bool portOpen = false;  // only while a reply is still awaited (a silent instrument after an erase)
};

constexpr std::size_t kShownSlot = 3;

// Some of the demo results, so that a table that was kept and one that was read can be told apart.
record::ReadOutBuffer EarlierResults() {
    record::ReadOutBuffer image = sim::DemoImage();
    for (std::size_t slot = 5; slot < record::kSlotCount; ++slot) {
        record::PacketOf(image, slot)[record::RecordPacket::kValidMarkOffset] = 0xFF;
    }
    return image;
}

int CommandId(Command command) {
    switch (command) {
        case Command::Read:
            return res::kCmdRead;
        case Command::Clock:
            return res::kCmdDateTime;
        case Command::EraseCurrent:
            return res::kCmdEraseCurrent;
        case Command::EraseAll:
            return res::kCmdEraseAll;
    }
    return 0;
}

// Rows for the faults that leave a command untouched: its normal outcome, under a name of their own.
void AddUnaffected(std::vector<Row>& rows, const std::vector<const char*>& faults, const Row& normal) {
    for (const char* fault : faults) {
        Row row = normal;
        row.fault = fault;
        row.name = normal.name.substr(0, normal.name.find('_')) + "_Unaffected_";
        for (const char c : row.fault) {
            row.name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        rows.push_back(row);
    }
}

std::vector<Row> Matrix() {
    auto read = [&](std::vector<std::string> after) {
        after.insert(after.begin(), kReadAgainQuestion);
        return after;
    };
    auto erase = [](std::vector<std::string> after) {
        after.insert(after.begin(), kEraseQuestion);
        return after;
    };
    std::vector<Row> rows = {
        {"Read_None", Command::Read, "", read({kReadOk}), Table::Demo, List::Demo, Display::FirstDemo, true},
        {"Read_Silent", Command::Read, "silent", read({kNoHandshakeReply}), Table::Earlier, List::Earlier,
         Display::Idle, false},
        {"Read_Short", Command::Read, "short", read({kReadError, kReadError}), Table::Earlier, List::Cleared,
         Display::Blank, true},
        {"Read_Marker", Command::Read, "marker:42", read({kReadError}), Table::Earlier, List::Cleared,
         Display::Blank, false},
        {"Read_Slow", Command::Read, "slow:1000", read({kReadError, kReadError}), Table::Earlier,
         List::Cleared, Display::Blank, true},
        {"Read_Noise", Command::Read, "noise", read({kReadError, kReadError}), Table::Earlier, List::Cleared,
         Display::Blank, true},
        {"Read_UnplugAfter1", Command::Read, "unplug-after:1", read({kLostDuringReadOut}), Table::Earlier,
         List::Earlier, Display::Shown, true},
        {"Read_UnplugAfter50", Command::Read, "unplug-after:50", read({kLostDuringReadOut}), Table::Earlier,
         List::Earlier, Display::Shown, true},
        {"Read_UnplugAfter99", Command::Read, "unplug-after:99", read({kLostDuringReadOut}), Table::Earlier,
         List::Earlier, Display::Shown, true},
        {"Read_UnplugOnLine2", Command::Read, "unplug-on-line:2", read({kLostDuringReadOut}), Table::Earlier,
         List::Earlier, Display::Shown, true},

        {"Clock_None", Command::Clock, "", {kClockOk}, Table::Earlier, List::Earlier, Display::Shown, true},
        {"Clock_Silent",
         Command::Clock,
         "silent",
         {kNoHandshakeReply},
         Table::Earlier,
         List::Earlier,
         Display::Shown,
         true},
        {"Clock_ClockFail",
         Command::Clock,
         "clock-fail",
         {kClockError},
         Table::Earlier,
         List::Earlier,
         Display::Shown,
         false},
        {"Clock_UnplugOnLine2",
         Command::Clock,
         "unplug-on-line:2",
         {kLostDuringClock},
         Table::Earlier,
         List::Earlier,
         Display::Shown,
         true},

        {"EraseCurrent_None", Command::EraseCurrent, "", erase({kEraseOk}), Table::Earlier,
         List::EarlierWithoutShown, Display::Shown, true},
        {"EraseCurrent_Silent", Command::EraseCurrent, "silent", erase({}), Table::Earlier, List::Earlier,
         Display::Shown, true, true},
        {"EraseCurrent_EraseFail", Command::EraseCurrent, "erase-fail", erase({kEraseError}), Table::Earlier,
         List::Earlier, Display::Shown, false},
        {"EraseCurrent_EraseShort", Command::EraseCurrent, "erase-short", erase({kEraseError, kReadError}),
         Table::Earlier, List::Earlier, Display::Shown, true},
        {"EraseCurrent_UnplugOnLine1", Command::EraseCurrent, "unplug-on-line:1", erase({kLostDuringErase}),
         Table::Earlier, List::Earlier, Display::Shown, true},

        {"EraseAll_None", Command::EraseAll, "", erase({kEraseOk}), Table::Earlier, List::Cleared,
         Display::Shown, true},
        {"EraseAll_Silent", Command::EraseAll, "silent", erase({}), Table::Earlier, List::Earlier,
         Display::Shown, true, true},
        {"EraseAll_EraseFail", Command::EraseAll, "erase-fail", erase({kEraseError}), Table::Earlier,
         List::Earlier, Display::Shown, false},
        {"EraseAll_EraseShort", Command::EraseAll, "erase-short", erase({kEraseError, kReadError}),
         Table::Earlier, List::Earlier, Display::Shown, true},
        {"EraseAll_UnplugOnLine1", Command::EraseAll, "unplug-on-line:1", erase({kLostDuringErase}),
         Table::Earlier, List::Earlier, Display::Shown, true},
    };
    // Faults of the other commands change nothing; unplug-after counts record requests only.
    auto normal = [&rows](const std::string& name) {
        return *std::find_if(rows.begin(), rows.end(), [&name](const Row& row) { return row.name == name; });
    };
    const Row readNone = normal("Read_None"), clockNone = normal("Clock_None");
    const Row eraseCurrentNone = normal("EraseCurrent_None"), eraseAllNone = normal("EraseAll_None");
    AddUnaffected(rows, {"clock-fail", "erase-fail", "erase-short"}, readNone);
    AddUnaffected(rows,
                  {"short", "marker:42", "erase-fail", "erase-short", "slow:1000", "noise", "unplug-after:1"},
                  clockNone);
    for (const Row& erase : {eraseCurrentNone, eraseAllNone}) {
        AddUnaffected(rows, {"short", "marker:42", "clock-fail", "slow:1000", "noise", "unplug-after:1"},
                      erase);
    }
    return rows;
}

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

class FaultMatrixTest : public DialogFixture, public ::testing::WithParamInterface<Row> {
  protected:
    // Accepts the clock dialog, at the PC's present time, whenever it opens.
    void AcceptClockDialogs() {
        QObject::connect(&clockAccepter_, &QTimer::timeout, [] {
            if (auto* clock = qobject_cast<ui::CDateTimeDlg*>(QApplication::activeModalWidget())) {
                clock->accept();
            }
        });
        clockAccepter_.start(20);
    }

    std::vector<std::string> ExpectedList(List list, const record::RecordTable& earlier,
                                          const record::RecordTable& demo) const {
        switch (list) {
            case List::Earlier:
                return ListTextsOf(earlier);
            case List::EarlierWithoutShown: {
                auto texts = ListTextsOf(earlier);
                texts[kShownSlot] = " ";
                return texts;
            }
            case List::Cleared:
                return ListTextsOf(record::RecordTable());
            case List::Demo:
                return ListTextsOf(demo);
        }
        return {};
    }

    void ExpectDisplay(Display display, const record::RecordTable& demo) {
        const std::set<int> shown = VisiblePanelControls();
        const bool idle = dialog_->IdlePicture()->isVisibleTo(dialog_.get());
        switch (display) {
            case Display::Shown:
                EXPECT_EQ(dialog_->State().currentIndex, kShownSlot);
                EXPECT_EQ(SlotDigits(), format::SlotText(kShownSlot));
                EXPECT_FALSE(shown.empty());
                EXPECT_FALSE(idle);
                break;
            case Display::FirstDemo:
                EXPECT_EQ(dialog_->State().currentIndex, *demo.FirstOccupied());
                EXPECT_EQ(SlotDigits(), format::SlotText(*demo.FirstOccupied()));
                EXPECT_FALSE(idle);
                break;
            case Display::Blank:
                EXPECT_TRUE(shown.empty());
                EXPECT_FALSE(idle);
                break;
            case Display::Idle:
                EXPECT_TRUE(shown.empty());
                EXPECT_TRUE(idle);
                break;
        }
    }

    QTimer clockAccepter_;
};

TEST_P(FaultMatrixTest, CommandAgainstFault) {
    const Row& row = GetParam();
    const record::ReadOutBuffer earlierImage = EarlierResults();
    record::RecordTable earlier;
    record::RecordTable demo;
    record::ParseRecords(earlierImage, earlier);
    record::ParseRecords(sim::DemoImage(), demo);
    AsIfReadAndShown(earlierImage, kShownSlot);
    PlugIn(row.fault.empty() ? std::vector<std::string>{} : std::vector<std::string>{"--fault", row.fault});
    AcceptClockDialogs();

    if (row.portOpen) {
        RunUnansweredCommand(CommandId(row.command));
    } else {
        RunCommand(CommandId(row.command));
    }

    EXPECT_EQ(recorder_.Texts(), row.messages);
    const record::RecordTable& expectedTable = row.table == Table::Demo ? demo : earlier;
    EXPECT_EQ(dialog_->State().table.OccupiedCount(), expectedTable.OccupiedCount());
    EXPECT_EQ(ListTextsOf(dialog_->State().table), ListTextsOf(expectedTable));
    EXPECT_EQ(ListTexts(), ExpectedList(row.list, earlier, demo));
    ExpectDisplay(row.display, demo);
    EXPECT_EQ(dialog_->State().dataRead, row.dataRead);
    EXPECT_EQ(dialog_->Session().Comm().PortOpen(), row.portOpen);
    EXPECT_FALSE(dialog_->Progress().IsOpen());
    EXPECT_TRUE(dialog_->isEnabled());
    EXPECT_TRUE(dialog_->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryFault, FaultMatrixTest, ::testing::ValuesIn(Matrix()), RowName);

}  // namespace
}  // namespace terrovane::testing
