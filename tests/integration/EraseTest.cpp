// Erase in the main window, as the user meets it: the row the keyboard highlights is the record on the
// display and the one Erase current erases; the question names what goes and defaults to Cancel; Escape
// leaves the window open.
#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

#include "ArchiveHook.h"
#include "CommandIds.h"
#include "DemoImage.h"
#include "DialogFixture.h"
#include "DialogLinkView.h"
#include "EraseTexts.h"
#include "EventWait.h"
#include "GuiMessageBox.h"
#include "LinkMessages.h"
#include "PostedInput.h"
#include "RecordList.h"
#include "RecordTexts.h"

namespace terrovane::testing {
namespace {

using ::testing::ElementsAre;

class EraseTest : public DialogFixture {
  protected:
    EraseTest() {
        dialog_->Archive().enabled = [this] { return archiving_; };
        record::ParseRecords(sim::DemoImage(), demo_);
    }

    // The first occupied slot whose next row holds a result too.
    std::size_t SlotBeforeAnother() const {
        std::size_t slot = 0;
        while (!(demo_.IsOccupied(slot) && demo_.IsOccupied(slot + 1))) {
            ++slot;
        }
        return slot;
    }
    void PostClickOnRow(int row) {
        QTableWidget* list = dialog_->RecordList();
        list->scrollToItem(list->item(row, 0));
        PostClick(list->viewport(), list->visualItemRect(list->item(row, 1)).center());
    }
    bool WaitForShownSlot(std::size_t slot) {
        return RunEventsUntil(
            [&] { return dialog_->State().currentIndex == slot && SlotDigits() == format::SlotText(slot); });
    }
    // The last question asked, with its details.
    const platform::Message& Question() const {
        for (auto it = recorder_.Messages().rbegin(); it != recorder_.Messages().rend(); ++it) {
            if (it->buttons == platform::MessageButtons::OkCancel) {
                return *it;
            }
        }
        static const platform::Message none;
        ADD_FAILURE() << "no question was asked";
        return none;
    }

    bool archiving_ = true;
    record::RecordTable demo_;
};

TEST_F(EraseTest, TheRowTheKeyboardHighlightsIsShownAndIsTheOneEraseCurrentErases) {
    PlugIn();
    ASSERT_TRUE(ReadOut());
    const std::size_t slot = SlotBeforeAnother();
    PostClickOnRow(static_cast<int>(slot + 1));
    ASSERT_TRUE(WaitForShownSlot(slot + 1));
    const std::set<int> shownByClick = VisiblePanelControls();
    const std::string digitsByClick = MainDigits();
    PostClickOnRow(static_cast<int>(slot));
    ASSERT_TRUE(WaitForShownSlot(slot));

    // The Down key shows the next row exactly as the click did.
    PostKey(dialog_.get(), Qt::Key_Down);
    ASSERT_TRUE(WaitForShownSlot(slot + 1));
    EXPECT_EQ(app::FirstSelectedRow(dialog_->RecordList()), static_cast<int>(slot + 1));
    EXPECT_EQ(VisiblePanelControls(), shownByClick);
    EXPECT_EQ(MainDigits(), digitsByClick);

    recorder_.Clear();
    RunCommand(res::kCmdEraseCurrent);
    EXPECT_THAT(recorder_.Texts(), ElementsAre(link::kEraseQuestion, link::kEraseOk));
    EXPECT_EQ(Question().details, format::EraseOneDetails(slot + 1, *demo_.At(slot + 1)));
    std::vector<std::string> expected = ListTextsOf(demo_);
    expected[slot + 1] = " ";
    EXPECT_EQ(ListTexts(), expected);

    // Erase all then counts what the instrument still stores: one fewer than were read.
    recorder_.AnswerNext(platform::MessageResult::Cancel);
    RunCommand(res::kCmdEraseAll);
    EXPECT_EQ(Question().details,
              format::EraseAllDetails(static_cast<std::size_t>(demo_.OccupiedCount() - 1)));

    // The instrument erased that slot and no other.
    recorder_.AnswerNext(platform::MessageResult::Ok);  // "read again?"
    ASSERT_TRUE(ReadOut());
    EXPECT_EQ(dialog_->State().table.At(slot + 1), nullptr);
    EXPECT_NE(dialog_->State().table.At(slot), nullptr);
}

TEST_F(EraseTest, TheQuestionNamesWhatGoesAndCancelIsItsDefault) {
    PlugIn();
    ASSERT_TRUE(ReadOut());
    const std::size_t slot = *demo_.FirstOccupied();
    recorder_.Clear();
    recorder_.AnswerNext(platform::MessageResult::Cancel);
    RunCommand(res::kCmdEraseCurrent);
    ASSERT_THAT(recorder_.Texts(), ElementsAre(link::kEraseQuestion));
    EXPECT_EQ(Question().details, format::EraseOneDetails(slot, *demo_.At(slot)));
    EXPECT_EQ(Question().defaultAnswer, platform::MessageResult::Cancel);

    recorder_.AnswerNext(platform::MessageResult::Cancel);
    RunCommand(res::kCmdEraseAll);
    EXPECT_EQ(Question().text, link::kEraseQuestion);
    EXPECT_EQ(Question().details,
              "Results to erase: all " + std::to_string(demo_.OccupiedCount()) + " stored results.");
    EXPECT_EQ(Question().defaultAnswer, platform::MessageResult::Cancel);
    EXPECT_EQ(ListTexts(), ListTextsOf(demo_));
}

// The real message box: Enter on the question presses Cancel, and nothing is erased.
TEST_F(EraseTest, EnterOnTheQuestionErasesNothing) {
    PlugIn();
    ASSERT_TRUE(ReadOut());
    const platform::MessageHandler recording = platform::SetMessageHandler({});
    app::InstallGuiMessageHandler([] { return std::string(); });
    QString shownText;
    QString shownDetails;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            box && box->isVisible()) {
            poll.stop();
            shownText = box->text();
            shownDetails = box->informativeText();
            PostKey(box, Qt::Key_Return);
        }
    });
    poll.start(10);
    QSignalSpy ended(&dialog_->Commands(), &link::CommandHost::CommandEnded);
    dialog_->OnCommand(res::kCmdEraseAll);
    // The question comes once the handshake has opened the port; the command ends with the answer.
    const bool answered = !ended.isEmpty() || ended.wait(10000);
    platform::SetMessageHandler(recording);
    ASSERT_TRUE(answered);
    EXPECT_EQ(shownText.toStdString(), link::kEraseQuestion);
    EXPECT_EQ(shownDetails.toStdString(),
              format::EraseAllDetails(static_cast<std::size_t>(demo_.OccupiedCount())));
    EXPECT_FALSE(dialog_->Session().AwaitingReply());
    ASSERT_EQ(ended.size(), 1);
    const auto outcome = ended.first().first().value<link::Outcome>();
    EXPECT_EQ(outcome.kind, link::OutcomeKind::Failed);
    EXPECT_EQ(outcome.reason, link::FailureReason::Cancelled);
    EXPECT_EQ(ListTexts(), ListTextsOf(demo_));
}

TEST_F(EraseTest, ResultsThatAreNotInTheArchiveAreSaidSoInALineOfTheirOwn) {
    PlugIn();
    const std::string allDetails = format::EraseAllDetails(static_cast<std::size_t>(demo_.OccupiedCount()));
    const auto askErasingAll = [this] {
        recorder_.AnswerNext(platform::MessageResult::Cancel);
        RunCommand(res::kCmdEraseAll);
        return Question().details;
    };
    archiving_ = false;
    ASSERT_TRUE(ReadOut());
    EXPECT_EQ(askErasingAll(), allDetails + "\n\n" + app::kUnkeptResultsWarning);

    archiving_ = true;
    recorder_.AnswerNext(platform::MessageResult::Ok);  // "read again?"
    ASSERT_TRUE(ReadOut());
    EXPECT_EQ(askErasingAll(), allDetails);

    // A read-out that could not be archived: the archive's file is a folder.
    dialog_.reset();
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(ArchivePath() + ".blocked")));
    ::setenv("TERROVANE_ARCHIVE", (ArchivePath() + ".blocked").c_str(), 1);
    OpenDialog();
    dialog_->Archive().enabled = [] { return true; };
    ASSERT_TRUE(ReadOut());
    EXPECT_EQ(askErasingAll(), allDetails + "\n\n" + app::kUnkeptResultsWarning);
}

TEST_F(EraseTest, EscapeLeavesTheMainWindowOpenWhileTheCloseBoxStillEndsIt) {
    AsIfReadAndShown(sim::DemoImage(), 0);
    PostKey(dialog_.get(), Qt::Key_Escape);
    PostClickOnRow(0);
    PostKey(dialog_.get(), Qt::Key_Escape);  // from the list, which has the focus now
    PostKey(dialog_.get(), Qt::Key_Down);
    // Input comes in the order it was posted: once the list moved, both Escapes were handled.
    ASSERT_TRUE(WaitForShownSlot(1));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), 0);

    QSignalSpy finished(dialog_.get(), &QDialog::finished);
    PostCloseRequest(dialog_.get());
    ASSERT_TRUE(finished.wait(5000) || !finished.isEmpty());
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
}

}  // namespace
}  // namespace terrovane::testing
