// Visits in the archive window, worked as a user would: the chosen site's visits under the tree, a visit
// made in its dialog (the instruments typed into its table, the calibration warning as the dates are
// typed, a refusal keeping the dialog open), results added to it, edited and deleted, and the assignment
// step offering the visit of the day the results were measured.
#include <QApplication>
#include <QTest>

#include "ArchiveFixtures.h"
#include "HistoryWindow.h"
#include "MessageRecorder.h"
#include "Sites.h"
#include "Visits.h"

namespace terrovane::history {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;
using archive::testing::ReadArchive;

class VisitWindowTest : public archive::testing::ArchiveTest {
  protected:
    // Three results measured on 2009-01-05, at none of the points yet.
    void SetUp() override {
        archive_ = OpenArchive();
        ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, MakeResult(1, 5, 3, 7.5f)},
                                                     {1, MakeResult(1, 5, 4, 8.5f)},
                                                     {2, MakeResult(1, 5, 5, 9.5f)}}))
                        .stored);
        archive::SiteFields site;
        site.name = "Mast 7";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Leg A";
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, pointId_, error_)) << error_;
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    static void Type(QLineEdit& field, const QString& text) {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, text);
    }
    // Types into one cell of the instruments' table through its editor, as a person does.
    static void TypeCell(VisitDialog& dialog, int row, int column, const QString& text) {
        QTableWidget& table = dialog.Instruments();
        table.setCurrentCell(row, column);
        table.editItem(table.item(row, column));
        // The open editor: one closed before is hidden until it is deleted.
        QLineEdit* editor = nullptr;
        for (QLineEdit* each : table.viewport()->findChildren<QLineEdit*>()) {
            editor = each->isVisible() ? each : editor;
        }
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        // Enter ends the cell's editing and leaves the dialog open.
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        // The editor hands its text to the cell once the key is through.
        QTRY_COMPARE(table.item(row, column)->text(), text);
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    std::int64_t siteId_ = 0;
    std::int64_t pointId_ = 0;
    std::string error_;
    testing::MessageRecorder recorder_;
};

TEST_F(VisitWindowTest, AVisitIsMadeInItsDialogWarnedOfCalibrationGivenResultsEditedAndDeleted) {
    VisitsPane& pane = window_->Visits();
    EXPECT_FALSE(pane.NewButton().isEnabled());
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    ASSERT_TRUE(pane.NewButton().isEnabled());
    bool shown = false;
    pane.Edits().dialogShown = [&](VisitDialog& dialog) {
        shown = true;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("New visit of Mast 7"));
        dialog.Date().setDate(QDate(2009, 1, 5));
        Type(dialog.By(), QStringLiteral("Ana Novak"));
        QTest::mouseClick(&dialog.AddInstrument(), Qt::LeftButton);
        TypeCell(dialog, 0, VisitDialog::kInstrumentName, QStringLiteral("Earth tester"));
        TypeCell(dialog, 0, VisitDialog::kInstrumentSerial, QStringLiteral("SN 42"));
        TypeCell(dialog, 0, VisitDialog::kInstrumentDue, QStringLiteral("2009-02-01"));
        EXPECT_FALSE(dialog.CalibrationWarning().isVisible());
        // Due before the visit: the warning says so at once, and goes when the date moves back.
        TypeCell(dialog, 0, VisitDialog::kInstrumentDue, QStringLiteral("2008-12-31"));
        EXPECT_TRUE(dialog.CalibrationWarning().isVisible());
        EXPECT_EQ(
            dialog.CalibrationWarning().text(),
            QStringLiteral("The calibration of Earth tester (serial SN 42) was due on 2008-12-31, before the "
                           "visit."));
        dialog.Date().setDate(QDate(2008, 12, 20));
        EXPECT_FALSE(dialog.CalibrationWarning().isVisible());
        dialog.Date().setDate(QDate(2009, 1, 5));
        EXPECT_TRUE(dialog.CalibrationWarning().isVisible());
        QTest::mouseClick(&dialog.AddInstrument(), Qt::LeftButton);
        TypeCell(dialog, 1, VisitDialog::kInstrumentName, QStringLiteral("Clamp"));
        TypeCell(dialog, 1, VisitDialog::kInstrumentDue, QStringLiteral("next week"));
        Type(dialog.Conditions().Weather(), QStringLiteral("sleet"));
        dialog.Conditions().TemperatureGiven().click();
        dialog.Conditions().Temperature().setFocus();
        dialog.Conditions().Temperature().selectAll();
        QTest::keyClicks(&dialog.Conditions().Temperature(), QStringLiteral("-3.5"));
        dialog.Conditions().Temperature().interpretText();
        dialog.Conditions().Soil().setCurrentIndex(
            dialog.Conditions().Soil().findText(QStringLiteral("frozen")));
        // A due date that is no date keeps the dialog open and says what to write.
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(
            dialog.Problem().text(),
            QStringLiteral("a calibration due date is written YYYY-MM-DD and must exist, not \"next week\""));
        TypeCell(dialog, 1, VisitDialog::kInstrumentDue, QStringLiteral("2010-01-31"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible()) << dialog.Problem().text().toStdString();
    };
    QTest::mouseClick(&pane.NewButton(), Qt::LeftButton);
    ASSERT_TRUE(shown);
    EXPECT_EQ(
        ReadArchive(Path(),
                    "SELECT visited_on, visited_by, weather, air_temperature, soil, instruments FROM "
                    "visits"),
        R"([["2009-01-05", "Ana Novak", "sleet", -3.5, "frozen", "[{\"name\":\"Earth tester\",\"serial\":)"
        R"(\"SN 42\",\"calibration_due\":\"2008-12-31\"},{\"name\":\"Clamp\",\"serial\":\"\",)"
        R"(\"calibration_due\":\"2010-01-31\"}]"]])");
    QTreeWidget& list = pane.List();
    ASSERT_EQ(list.topLevelItemCount(), 1);
    EXPECT_EQ(list.topLevelItem(0)->text(VisitsPane::kInstruments), QStringLiteral("Earth tester ⚠, Clamp"));
    EXPECT_EQ(list.topLevelItem(0)->text(VisitsPane::kConditions),
              QStringLiteral("sleet, -3.5 °C, soil frozen"));
    EXPECT_EQ(list.currentItem(), list.topLevelItem(0));

    // Results at the site's point are added to the chosen visit.
    ASSERT_TRUE(archive::Assign(*archive_, {1, 2}, pointId_, error_)) << error_;
    window_->Refresh();
    window_->SelectAll();
    QTest::mouseClick(&pane.AddResultsButton(), Qt::LeftButton);
    EXPECT_EQ(list.topLevelItem(0)->text(VisitsPane::kResults), QStringLiteral("2"));

    pane.Edits().dialogShown = [&](VisitDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit visit of Mast 7"));
        EXPECT_EQ(dialog.Instruments().rowCount(), 2);
        EXPECT_TRUE(dialog.CalibrationWarning().isVisible());
        Type(dialog.Conditions().Weather(), QStringLiteral("sleet, then sun"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible()) << dialog.Problem().text().toStdString();
    };
    QTest::mouseClick(&pane.EditButton(), Qt::LeftButton);
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT weather, (SELECT count(*) FROM results WHERE visit_id = visits.id) "
                          "FROM visits"),
              R"([["sleet, then sun", 2]])");

    recorder_.AnswerNext(platform::MessageResult::Ok);
    QTest::mouseClick(&pane.DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(list.topLevelItemCount(), 0);
    EXPECT_EQ(
        ReadArchive(Path(), "SELECT count(*) FROM results WHERE point_id IS NOT NULL AND visit_id IS NULL"),
        "[[2]]");
}

TEST_F(VisitWindowTest, TheAssignmentStepOffersTheVisitOfTheDayTheResultsWereMeasured) {
    archive::Visit visit;
    visit.site = siteId_;
    visit.date = "2009-01-05";
    visit.by = "Ana Novak";
    const auto made = archive::AddVisit(*archive_, visit);
    ASSERT_TRUE(made);
    archive::SiteFields other;
    other.name = "Depot";
    std::int64_t otherId = 0;
    ASSERT_TRUE(archive::AddSite(*archive_, other, otherId, error_)) << error_;
    window_->Refresh();
    window_->SelectAll();
    bool shown = false;
    window_->Assignment().assignDialogShown = [&](AssignDialog& dialog) {
        shown = true;
        dialog.SiteChoice().setCurrentText(QStringLiteral("Depot"));
        EXPECT_FALSE(dialog.VisitOffer().isVisible());
        dialog.SiteChoice().setCurrentText(QStringLiteral("Mast 7"));
        EXPECT_TRUE(dialog.VisitOffer().isVisible());
        EXPECT_TRUE(dialog.VisitOffer().isChecked());
        EXPECT_EQ(dialog.VisitOffer().text(),
                  QStringLiteral("Add those measured on 2009-01-05 to that day's visit (Ana Novak)"));
        QTest::mouseClick(&dialog.AssignButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible()) << dialog.Problem().text().toStdString();
    };
    window_->Assignment().AssignSelected();
    ASSERT_TRUE(shown);
    EXPECT_EQ(
        ReadArchive(Path(), "SELECT count(*) FROM results WHERE point_id = " + std::to_string(pointId_) +
                                " AND visit_id = " + std::to_string(made.Value())),
        "[[3]]");
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    ASSERT_EQ(window_->Visits().List().topLevelItemCount(), 1);
    EXPECT_EQ(window_->Visits().List().topLevelItem(0)->text(VisitsPane::kResults), QStringLiteral("3"));
}

}  // namespace
}  // namespace terrovane::history
