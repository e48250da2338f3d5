// Every action of the archive window says what failed and what to do, against an archive locked by
// another program past the wait, one that is damaged, and one that may not be written.
#include <sqlite3.h>
#include <unistd.h>

#include <fstream>

#include "ArchiveFixtures.h"
#include "AssignDialog.h"
#include "HistoryWindow.h"
#include "MessageRecorder.h"
#include "SiteTree.h"
#include "Sites.h"
#include "TrendWindow.h"

namespace terrovane::history {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;

enum class Trouble { Locked, Damaged, ReadOnly };
enum class Action {
    Assign,
    Rename,
    Delete,
    Report,
    Tree,
    Properties,
    PointProperties,
    SoilModel,
    GridSafety,
    Trend,
    AssignList,
    Label
};

class ArchiveFailureTest : public archive::testing::ArchiveTest,
                           public ::testing::WithParamInterface<std::tuple<Action, Trouble>> {
  protected:
    void SetUp() override {
        ::setenv("TERROVANE_ARCHIVE_WAIT_MS", "100", 1);
        archive_ = OpenArchive();
        ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, MakeResult(1, 5, 0, 8.0f)}})).stored);
        archive::SiteFields site;
        site.name = "Line 4";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Leg A";
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, pointId_, error_)) << error_;
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->Edits().nameAsker = [](const QString&, const QString&) { return QStringLiteral("Line 5"); };
        window_->Assignment().assignChooser = [this](int) { return AssignChoice{siteId_, pointId_, false}; };
        window_->show();
        ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    }
    void TearDown() override {
        if (locker_.IsOpen()) {
            locker_.Exec("ROLLBACK");
        }
        ::unsetenv("TERROVANE_ARCHIVE_WAIT_MS");
    }
    // Puts the archive in trouble; false when this machine cannot make it (root writes any file).
    bool Make(Trouble trouble) {
        switch (trouble) {
            case Trouble::Locked:
                return locker_.Open(Path(), false) == SQLITE_OK &&
                       locker_.Exec("BEGIN IMMEDIATE") == SQLITE_OK;
            case Trouble::Damaged: {
                std::fstream file(Path(), std::ios::in | std::ios::out | std::ios::binary);
                file.write("this is no database at all", 26);
                return true;
            }
            case Trouble::ReadOnly:
                return ::geteuid() != 0 && ::chmod(Path().c_str(), 0400) == 0;
        }
        return false;
    }
    // The action's failure message (the last one shown) names the action and the way out.
    void ExpectSaid(const std::string& what, const std::string& todo) {
        ASSERT_FALSE(recorder_.Texts().empty());
        const std::string said = recorder_.Texts().back();
        EXPECT_NE(said.find(what), std::string::npos) << said << ::testing::PrintToString(recorder_.Texts());
        EXPECT_NE(said.find(todo), std::string::npos) << said;
        recorder_.Clear();
    }
    static std::string WayOut(Trouble trouble) {
        switch (trouble) {
            case Trouble::Locked:
                return "Try again in a moment.";
            case Trouble::Damaged:
                return "moves the damaged file aside";
            case Trouble::ReadOnly:
                return "Check that you may write";
        }
        return {};
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    archive::Database locker_;
    testing::MessageRecorder recorder_;
    std::int64_t siteId_ = 0;
    std::int64_t pointId_ = 0;
    std::string error_;
};

TEST_P(ArchiveFailureTest, TheActionSaysWhatFailedAndWhatToDo) {
    const auto [action, trouble] = GetParam();
    if (action == Action::Assign || action == Action::Label) {
        // The site holds no results yet: the unassigned ones are chosen.
        ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::All, 0}));
        window_->SelectAll();
    }
    if (action == Action::PointProperties) {
        ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointId_}));
    }
    if (!Make(trouble)) {
        GTEST_SKIP() << "this machine cannot make that trouble (root writes any file)";
    }
    switch (action) {
        case Action::Assign:
            window_->Assignment().AssignSelected();
            return ExpectSaid("The results could not be assigned.", WayOut(trouble));
        case Action::Rename:
            window_->Edits().RenameChosen();
            return ExpectSaid("The name could not be changed.", WayOut(trouble));
        case Action::Delete:
            recorder_.AnswerNext(platform::MessageResult::Ok);  // "delete this site?"
            window_->Edits().DeleteChosen();
            return ExpectSaid("It could not be deleted.", WayOut(trouble));
        case Action::Report:
            window_->Reporting().ReportChosenSite();
            return ExpectSaid("The site report could not be made.", WayOut(trouble));
        case Action::Tree:
            // An empty tree would say there are no sites.
            window_->Tree().Reload(archive_.get());
            EXPECT_TRUE(
                window_->Tree().topLevelItem(2)->text(0).startsWith(QStringLiteral("Could not be read")));
            EXPECT_TRUE(
                window_->Tree().topLevelItem(2)->text(0).contains(QString::fromStdString(WayOut(trouble))));
            return;
        // Each of these read the archive and once took a failure for an empty list or a missing site.
        case Action::Properties:
        case Action::PointProperties:
            window_->Edits().EditChosenProperties();
            return ExpectSaid("The properties could not be read.", WayOut(trouble));
        case Action::SoilModel:
            EXPECT_EQ(window_->Analyses().ShowSoilModel(), nullptr);
            return ExpectSaid("The soil model could not be opened.", WayOut(trouble));
        case Action::GridSafety:
            EXPECT_EQ(window_->Analyses().ShowGridSafety(), nullptr);
            return ExpectSaid("The grid safety window could not be opened.", WayOut(trouble));
        case Action::Label:
            window_->Results().LabelSelectedResults();
            return ExpectSaid("The labels could not be read.", WayOut(trouble));
        case Action::Trend: {
            // "No result has a label yet" would hide the failure.
            auto* trend = qobject_cast<TrendWindow*>(window_->Results().ShowTrend());
            ASSERT_NE(trend, nullptr);
            EXPECT_TRUE(trend->Status().text().startsWith(QStringLiteral("The labels could not be read.")))
                << trend->Status().text().toStdString();
            EXPECT_TRUE(trend->Status().text().contains(QString::fromStdString(WayOut(trouble))));
            trend->ByChoice().setCurrentIndex(1);
            EXPECT_TRUE(
                trend->Status().text().startsWith(QStringLiteral("The test points could not be read.")))
                << trend->Status().text().toStdString();
            trend->close();
            return;
        }
        case Action::AssignList: {
            // An empty list of sites would send the person to make one that is there.
            AssignDialog dialog(*archive_, 1);
            EXPECT_FALSE(dialog.Problem().isHidden());
            EXPECT_TRUE(dialog.Problem().text().startsWith(QStringLiteral("The sites could not be read.")))
                << dialog.Problem().text().toStdString();
            EXPECT_TRUE(dialog.Problem().text().contains(QString::fromStdString(WayOut(trouble))));
            return;
        }
    }
}

// Reads go on while another program writes, and a file that may not be written can still be read.
INSTANTIATE_TEST_SUITE_P(Writes, ArchiveFailureTest,
                         ::testing::Combine(::testing::Values(Action::Assign, Action::Rename, Action::Delete),
                                            ::testing::Values(Trouble::Locked, Trouble::Damaged,
                                                              Trouble::ReadOnly)));
INSTANTIATE_TEST_SUITE_P(
    Reads, ArchiveFailureTest,
    ::testing::Combine(::testing::Values(Action::Report, Action::Tree, Action::Properties,
                                         Action::PointProperties, Action::SoilModel, Action::GridSafety,
                                         Action::Trend, Action::AssignList, Action::Label),
                       ::testing::Values(Trouble::Damaged)));

}  // namespace
}  // namespace terrovane::history
