// Undo in the archive window, as a user works it: a rename, a site's properties, an assignment, a typed
// result's correction and a deletion each undone with Ctrl+Z and redone with Ctrl+Shift+Z, the archive read
// back by Python's sqlite3 after each step.
#include <QTest>

#include "ArchiveFixtures.h"
#include "Attachments.h"
#include "HistoryWindow.h"
#include "MessageRecorder.h"
#include "Sites.h"
#include "TypedResultDialog.h"
#include "TypedResults.h"

namespace terrovane::history {
namespace {

using archive::testing::ReadArchive;

class UndoWindowTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        ASSERT_TRUE(StoreImage(*archive_, archive::testing::DistinctImage(1, 3)).stored);
        archive::SiteFields site;
        site.name = "Depot";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Rod 1";
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, pointId_, error_)) << error_;
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    void Undo() { QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    std::string Sql(const std::string& sql) const { return ReadArchive(Path(), sql); }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    std::int64_t siteId_ = 0;
    std::int64_t pointId_ = 0;
    std::string error_;
    testing::MessageRecorder recorder_;
};

TEST_F(UndoWindowTest, ARenameAndPropertiesAreUndoneAndRedone) {
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    window_->Edits().nameAsker = [](const QString&, const QString&) {
        return std::optional(QStringLiteral("Yard"));
    };
    window_->Edits().RenameChosen();
    EXPECT_EQ(Sql("SELECT name FROM sites"), R"([["Yard"]])");
    EXPECT_EQ(window_->Undo().UndoStack().undoText(), QStringLiteral("Rename site"));
    Undo();
    EXPECT_EQ(Sql("SELECT name FROM sites"), R"([["Depot"]])");
    Redo();
    EXPECT_EQ(Sql("SELECT name FROM sites"), R"([["Yard"]])");

    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointId_}));
    window_->Edits().nameAsker = [](const QString&, const QString&) {
        return std::optional(QStringLiteral("Rod A"));
    };
    window_->Edits().RenameChosen();
    Undo();
    Undo();
    EXPECT_EQ(Sql("SELECT s.name, p.name FROM points p JOIN sites s ON s.id = p.site_id"),
              R"([["Depot", "Rod 1"]])");
    Redo();
    Redo();
    EXPECT_EQ(Sql("SELECT s.name, p.name FROM points p JOIN sites s ON s.id = p.site_id"),
              R"([["Yard", "Rod A"]])");
    // The window shows what the archive holds after each step.
    EXPECT_EQ(window_->Tree().findItems(QStringLiteral("Yard"), Qt::MatchExactly).size(), 1);
    EXPECT_TRUE(recorder_.Messages().empty());
}

TEST_F(UndoWindowTest, AnAssignmentIsUndoneToWhereEachResultWas) {
    std::string error;
    ASSERT_TRUE(archive::Assign(*archive_, {3}, pointId_, error)) << error;
    archive::PointFields other;
    other.name = "Rod 2";
    std::int64_t otherId = 0;
    ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, other, otherId, error)) << error;
    window_->Refresh();
    window_->SelectAll();
    window_->Assignment().assignChooser = [&](int) {
        return std::optional(AssignChoice{siteId_, otherId, false});
    };
    window_->Assignment().AssignSelected();
    const std::string assigned = "[[1, " + std::to_string(otherId) + "], [2, " + std::to_string(otherId) +
                                 "], [3, " + std::to_string(otherId) + "]]";
    EXPECT_EQ(Sql("SELECT id, point_id FROM results ORDER BY id"), assigned);
    Undo();
    EXPECT_EQ(Sql("SELECT id, point_id FROM results ORDER BY id"),
              "[[1, null], [2, null], [3, " + std::to_string(pointId_) + "]]");
    Redo();
    EXPECT_EQ(Sql("SELECT id, point_id FROM results ORDER BY id"), assigned);
}

TEST_F(UndoWindowTest, ACorrectionUndoneIsANewVersionWithTheFormerValues) {
    archive::TypedResultFields typed;
    typed.point = pointId_;
    typed.method = "3-pole";
    typed.values = {{"Re", 4.2, false}};
    typed.measured = "2024-03-01 09:15";
    typed.note = "as typed";
    ASSERT_TRUE(archive::AddTypedResult(*archive_, typed));
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointId_}));
    QTreeWidget& list = window_->Typed().List();
    ASSERT_EQ(list.topLevelItemCount(), 1);
    list.setCurrentItem(list.topLevelItem(0));
    window_->Typed().dialogShown = [](TypedResultDialog& dialog) {
        dialog.Note().setText(QStringLiteral("corrected"));
        QTest::keyClick(&dialog, Qt::Key_Return);
    };
    window_->Typed().CorrectChosen();
    const char* notes = "SELECT note FROM typed_results ORDER BY id";
    EXPECT_EQ(Sql(notes), R"([["as typed"], ["corrected"]])");
    Undo();
    EXPECT_EQ(Sql(notes), R"([["as typed"], ["corrected"], ["as typed"]])");
    Redo();
    EXPECT_EQ(Sql(notes), R"([["as typed"], ["corrected"], ["as typed"], ["corrected"]])");
    EXPECT_EQ(Sql("SELECT count(*) FROM typed_results WHERE replaces IS NOT NULL"), "[[3]]");
}

TEST_F(UndoWindowTest, AnUndoThatNoLongerFitsSaysSoAndLeavesTheStack) {
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    window_->Edits().nameAsker = [](const QString&, const QString&) {
        return std::optional(QStringLiteral("Yard"));
    };
    window_->Edits().RenameChosen();
    // Meanwhile another program names a new site "Depot": the old name is taken.
    archive::SiteFields clash;
    clash.name = "Depot";
    std::int64_t clashId = 0;
    ASSERT_TRUE(archive::AddSite(*archive_, clash, clashId, error_)) << error_;
    Undo();
    EXPECT_EQ(recorder_.Messages().size(), 1u);
    EXPECT_EQ(Sql("SELECT name FROM sites ORDER BY id"), R"([["Yard"], ["Depot"]])");
    EXPECT_FALSE(window_->Undo().UndoStack().canUndo());
}

TEST_F(UndoWindowTest, ADeletedSiteComesBackWithItsPointResultAndPhoto) {
    std::string error;
    ASSERT_TRUE(archive::Assign(*archive_, {3}, pointId_, error)) << error;
    archive::AttachmentFile photo;
    photo.bytes = "photo of the rod pit";
    ASSERT_TRUE(archive::Attach(*archive_, {{archive::AttachedTo::Point, pointId_}, "pit.jpg", "", photo}));
    window_->Refresh();
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    window_->Edits().DeleteChosen();  // the question answered OK
    const char* everything =
        "SELECT s.name, p.name, r.id, hex(b.bytes) FROM sites s JOIN points p ON p.site_id = s.id "
        "JOIN results r ON r.point_id = p.id JOIN attachments a ON a.point_id = p.id "
        "JOIN attachment_bytes b ON b.file_id = a.file_id";
    EXPECT_EQ(Sql(everything), "[]");
    EXPECT_EQ(window_->Undo().UndoStack().undoText(), QStringLiteral("Delete site"));
    Undo();
    const std::string back = R"([["Depot", "Rod 1", 3, ")" +
                             QByteArray("photo of the rod pit").toHex().toUpper().toStdString() + R"("]])";
    EXPECT_EQ(Sql(everything), back);
    EXPECT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointId_}));
    Redo();
    EXPECT_EQ(Sql("SELECT count(*) FROM sites"), "[[0]]");
    EXPECT_FALSE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    Undo();
    EXPECT_EQ(Sql(everything), back);

    // A point deleted comes back the same way.
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointId_}));
    window_->Edits().DeleteChosen();
    EXPECT_EQ(window_->Undo().UndoStack().undoText(), QStringLiteral("Delete test point"));
    Undo();
    EXPECT_EQ(Sql(everything), back);
    EXPECT_EQ(recorder_.Messages().size(), 2u);  // only the two questions before deleting
}

TEST_F(UndoWindowTest, ADeletionThatCanNoLongerBeUndoneSaysSoAndChangesNothing) {
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    window_->Edits().DeleteChosen();
    recorder_.Clear();
    // Meanwhile another program makes a new site of the same name.
    archive::SiteFields clash;
    clash.name = "Depot";
    std::int64_t clashId = 0;
    ASSERT_TRUE(archive::AddSite(*archive_, clash, clashId, error_)) << error_;
    Undo();
    ASSERT_EQ(recorder_.Texts().size(), 1u);
    EXPECT_NE(recorder_.Texts()[0].find("could not be undone"), std::string::npos) << recorder_.Texts()[0];
    EXPECT_NE(recorder_.Texts()[0].find("already a site named"), std::string::npos) << recorder_.Texts()[0];
    EXPECT_EQ(Sql("SELECT name, (SELECT count(*) FROM points) FROM sites"), R"([["Depot", 0]])");
    EXPECT_FALSE(window_->Undo().UndoStack().canUndo());
}

}  // namespace
}  // namespace terrovane::history
