// The main dialog keeps every accepted read-out in the archive and opens archived ones again.
#include <QTest>

#include <gmock/gmock.h>

#include "ArchiveFixtures.h"
#include "ArchiveHook.h"
#include "CommandIds.h"
#include "DemoImage.h"
#include "DialogFixture.h"
#include "DisplayPanel.h"
#include "HistoryColumns.h"
#include "LinkMessages.h"

namespace terrovane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ArchiveHookTest : public DialogFixture {
  protected:
    // The setting itself is the History window's (tested there); each test here decides it alone.
    ArchiveHookTest() {
        dialog_->Archive().enabled = [] { return true; };
    }
    std::string Query(const std::string& sql) const {
        return archive::testing::ReadArchive(ArchivePath(), sql);
    }
};

TEST_F(ArchiveHookTest, EveryAcceptedReadOutIsArchivedOnceWithItsPortAndImage) {
    EXPECT_FALSE(dialog_->Archive().ShownReadOutArchived());  // nothing shown yet
    PlugIn();
    ASSERT_TRUE(ReadOut());
    EXPECT_TRUE(dialog_->Archive().ShownReadOutArchived());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(link::kReadOk));
    EXPECT_EQ(Query("SELECT count(*), port FROM readouts"), R"([[1, "COM3"]])");
    std::string error;
    EXPECT_EQ(dialog_->Archive().Archive()->Image(1, error), sim::DemoImage());
    const std::string results = "[[" + std::to_string(dialog_->State().table.OccupiedCount()) + "]]";
    EXPECT_EQ(Query("SELECT count(*) FROM results"), results);

    // Reading the same instrument again adds a read-out but no result.
    recorder_.AnswerNext(platform::MessageResult::Ok);  // "read again?"
    ASSERT_TRUE(ReadOut());
    EXPECT_EQ(Query("SELECT count(*) FROM readouts"), "[[2]]");
    EXPECT_EQ(Query("SELECT count(*) FROM results"), results);
}

// A session killed at "Read Data OK" must not leave results on screen that were never kept.
TEST_F(ArchiveHookTest, WhileReadDataOkIsOnScreenTheArchiveHoldsTheReadOut) {
    PlugIn();
    std::string heldAtMessage;
    recorder_.whileShown = [&](const platform::Message& message) {
        if (message.text == link::kReadOk) {
            heldAtMessage = Query("SELECT count(*), port FROM readouts");
        }
    };
    ASSERT_TRUE(ReadOut());
    EXPECT_EQ(heldAtMessage, R"([[1, "COM3"]])");
}

TEST_F(ArchiveHookTest, AnArchiveThatCannotBeWrittenIsSaidOnceAndTheReadOutGoesOn) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(ArchivePath())));  // a folder where the file should be
    PlugIn();
    ASSERT_TRUE(ReadOut());
    ASSERT_EQ(recorder_.Texts().size(), 2u);
    // Said by the accept step, before the read-out's own message.
    EXPECT_THAT(recorder_.Texts()[0], HasSubstr("could not be kept in the archive"));
    EXPECT_THAT(recorder_.Texts()[0], HasSubstr("Is a directory"));
    EXPECT_EQ(recorder_.Texts()[1], link::kReadOk);
    EXPECT_FALSE(dialog_->Archive().ShownReadOutArchived());
    EXPECT_TRUE(dialog_->State().dataRead);
    EXPECT_GT(dialog_->State().table.OccupiedCount(), 0);
    EXPECT_EQ(dialog_->State().buffer, sim::DemoImage());
}

TEST_F(ArchiveHookTest, TurnedOffTheArchiveIsLeftAlone) {
    dialog_->Archive().enabled = [] { return false; };
    PlugIn();
    ASSERT_TRUE(ReadOut());
    EXPECT_THAT(recorder_.Texts(), ElementsAre(link::kReadOk));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(ArchivePath())));
    EXPECT_FALSE(dialog_->Archive().ShownReadOutArchived());
}

// A read-out shown from the archive is in it; a later one read while archiving is off is not.
TEST_F(ArchiveHookTest, WhetherTheResultsOnScreenAreArchivedFollowsTheLastReadOutShown) {
    const auto image = archive::testing::ImageWith({{57, archive::testing::MakeResult(1, 23, 5, 12.5f)}});
    ASSERT_TRUE(dialog_->Archive().Archive()->Store({"2024-05-17T09:30:05+02:00", "COM3", &image}).stored);
    ASSERT_TRUE(dialog_->Parts().History().OpenReadOut(1));
    EXPECT_TRUE(dialog_->Archive().ShownReadOutArchived());
    dialog_->Archive().enabled = [] { return false; };
    PlugIn();
    recorder_.AnswerNext(platform::MessageResult::Ok);  // "read again?"
    ASSERT_TRUE(ReadOut());
    EXPECT_FALSE(dialog_->Archive().ShownReadOutArchived());
}

TEST_F(ArchiveHookTest, AnArchivedReadOutOpensAsThoughItHadJustBeenRead) {
    const auto image = archive::testing::ImageWith({{57, archive::testing::MakeResult(1, 23, 5, 12.5f)}});
    ASSERT_TRUE(dialog_->Archive().Archive()->Store({"2024-05-17T09:30:05+02:00", "COM3", &image}).stored);
    dialog_->OnCommand(res::kCmdHistory);
    history::HistoryWindow* window = dialog_->Parts().History().Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(window->Model().rowCount(), 1);
    window->View().selectRow(0);
    window->Results().OpenSelectedReadOut();

    EXPECT_TRUE(recorder_.Texts().empty());
    EXPECT_EQ(dialog_->State().buffer, image);
    EXPECT_TRUE(dialog_->State().dataRead);
    EXPECT_EQ(dialog_->State().table.OccupiedCount(), 1);
    EXPECT_EQ(dialog_->RecordList()->item(57, 1)->text(), QStringLiteral("2009-01-23"));
    EXPECT_EQ(dialog_->RecordList()->item(0, 1)->text(), QString());
    EXPECT_EQ(dialog_->State().currentIndex, 57);
    EXPECT_EQ(SlotDigits(), "57");

    // Save then works on it as on any read-out.
    dialog_->Parts().Workbook().fileChooser = [this] { return TempPath(QStringLiteral("opened.xls")); };
    dialog_->OnCommand(res::kCmdSave);
    EXPECT_TRUE(recorder_.Texts().empty());
    EXPECT_TRUE(QFileInfo::exists(TempPath(QStringLiteral("opened.xls"))));

    // A read-out that is not there is said, and the one shown stays.
    EXPECT_FALSE(dialog_->Parts().History().OpenReadOut(99));
    EXPECT_THAT(recorder_.Texts(), ElementsAre(HasSubstr("no read-out 99")));
    EXPECT_EQ(dialog_->State().buffer, image);
}

// With the instrument attached, the port watch keeps blanking a display that no read-out asked for; an
// opened read-out is one, so what it shows stays, and the list and the display keep to the same slot.
TEST_F(ArchiveHookTest, AnOpenedReadOutStaysOnScreenWhileThePortWatchRuns) {
    const auto image = archive::testing::ImageWith({{57, archive::testing::MakeResult(1, 23, 5, 12.5f)}});
    ASSERT_TRUE(dialog_->Archive().Archive()->Store({"2024-05-17T09:30:05+02:00", "COM3", &image}).stored);
    PlugIn();
    dialog_->Commands().PortWatchTick();
    ASSERT_TRUE(dialog_->IdlePicture()->isVisibleTo(dialog_.get()));  // attached, nothing read yet
    ASSERT_TRUE(dialog_->Parts().History().OpenReadOut(1));
    const std::set<int> shown = VisiblePanelControls();
    EXPECT_FALSE(shown.empty());
    for (int tick = 0; tick < 3; ++tick) {
        dialog_->Commands().PortWatchTick();
        EXPECT_FALSE(dialog_->IdlePicture()->isVisibleTo(dialog_.get()));
        EXPECT_EQ(VisiblePanelControls(), shown);
    }
    // The display shows the opened read-out's only result, the one its list row holds.
    EXPECT_EQ(SlotDigits(), "57");
    EXPECT_EQ(dialog_->State().currentIndex, 57);
    EXPECT_EQ(ListTexts()[57], "2009-01-23 10:05:00");
    EXPECT_TRUE(recorder_.Texts().empty());
}

TEST_F(ArchiveHookTest, TheHistoryWindowShowsANewReadOutAsItIsArchived) {
    dialog_->OnCommand(res::kCmdHistory);
    ASSERT_EQ(dialog_->Parts().History().Window()->Model().rowCount(), 0);
    PlugIn();
    ASSERT_TRUE(ReadOut());
    EXPECT_EQ(dialog_->Parts().History().Window()->Model().rowCount(),
              dialog_->State().table.OccupiedCount());
}

}  // namespace
}  // namespace terrovane::testing
