// "New result..." and "Correct..." in the archive window, worked as a user would: the point chosen in the
// tree is offered, the method decides the values asked for, a mistake keeps the dialog open and says what
// to change, and the stored result is judged and sets the point's due date in the tree at once.
#include <QTest>

#include "ArchiveFixtures.h"
#include "HistoryWindow.h"
#include "MessageRecorder.h"
#include "Sites.h"
#include "TypedResults.h"

namespace terrovane::history {
namespace {

class TypedResultWindowTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        archive::SiteFields site;
        site.name = "Depot";
        site.limit = archive::Limit{10, "client"};
        site.intervalMonths = 12;
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        for (const char* name : {"Rod 1", "Rod 2"}) {
            archive::PointFields point;
            point.name = name;
            ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, pointIds_.emplace_back(), error_))
                << error_;
        }
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    // Replaces the field's text as a person would; a number box ends its editing as leaving it does.
    static void Type(QLineEdit& field, const QString& text) {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, text);
    }
    static void Type(QAbstractSpinBox& box, const QString& text) {
        box.setFocus();
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Delete);
        QTest::keyClicks(&box, text);
        box.interpretText();
    }
    static void ChooseMethod(TypedResultDialog& dialog, const QString& code) {
        dialog.Method().setCurrentIndex(dialog.Method().findData(code));
    }
    QString TreeText(const QString& name, int column) const {
        const auto found = window_->Tree().findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? QString() : found.first()->text(column);
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    std::int64_t siteId_ = 0;
    std::vector<std::int64_t> pointIds_;
    std::string error_;
    testing::MessageRecorder recorder_;
};

TEST_F(TypedResultWindowTest, ANewResultAtTheChosenPointIsCheckedStoredJudgedAndCorrected) {
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointIds_[1]}));
    bool shown = false;
    window_->Typed().dialogShown = [&](TypedResultDialog& dialog) {
        shown = true;
        EXPECT_EQ(dialog.Point().currentText(), QStringLiteral("Depot / Rod 2"));
        ChooseMethod(dialog, QStringLiteral("fall-of-potential"));
        ASSERT_EQ(dialog.Values().size(), 3u);  // Re, Rs, Rh
        EXPECT_FALSE(dialog.Values()[0].given->isEnabled());
        Type(*dialog.Values()[0].number, QStringLiteral("4.2"));
        dialog.Values()[2].given->click();  // Rh, over range at 300 kΩ
        Type(*dialog.Values()[2].number, QStringLiteral("300"));
        dialog.Values()[2].unit->setCurrentText(QStringLiteral("k\u03a9"));
        dialog.Values()[2].overRange->click();
        Type(dialog.Instrument(), QStringLiteral("Other make 4105, SN 77"));
        Type(dialog.MeasuredBy(), QStringLiteral("Jo"));
        // A date in the future is refused, and the dialog stays with what was typed.
        dialog.Measured().setDateTime(QDateTime(QDate(2999, 1, 1), QTime(10, 0)));
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.Problem().text(),
                  QStringLiteral("the measuring date 2999-01-01 10:00 lies in the future"));
        dialog.Measured().setDateTime(QDateTime(QDate(2024, 3, 1), QTime(9, 15)));
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible()) << dialog.Problem().text().toStdString();
    };
    window_->Typed().NewResult();
    ASSERT_TRUE(shown);

    QTreeWidget& list = window_->Typed().List();
    ASSERT_EQ(list.topLevelItemCount(), 1);
    const QTreeWidgetItem* item = list.topLevelItem(0);
    EXPECT_EQ(item->text(TypedResultsPane::kValues), QStringLiteral("Re=4.2 \u03a9; Rh>300 k\u03a9"));
    EXPECT_EQ(item->text(TypedResultsPane::kVerdict), QStringLiteral("pass"));
    EXPECT_EQ(item->text(TypedResultsPane::kInstrument), QStringLiteral("Other make 4105, SN 77"));
    EXPECT_EQ(item->text(TypedResultsPane::kBy), QStringLiteral("Jo"));
    EXPECT_TRUE(
        item->text(TypedResultsPane::kTypedBy).startsWith(QString::fromStdString(archive::TypingAccount())));
    // The tree's point now has its last test and due date.
    EXPECT_NE(TreeText(QStringLiteral("Rod 2"), 1).indexOf(QStringLiteral("2024-03-01")), -1)
        << TreeText(QStringLiteral("Rod 2"), 1).toStdString();

    // Correct...: the dialog starts from the version; the old one stays beneath the new.
    list.setCurrentItem(list.topLevelItem(0));
    window_->Typed().dialogShown = [&](TypedResultDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Correct typed result"));
        EXPECT_EQ(dialog.Instrument().text(), QStringLiteral("Other make 4105, SN 77"));
        EXPECT_TRUE(dialog.Values()[2].overRange->isChecked());
        Type(*dialog.Values()[0].number, QStringLiteral("12"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible()) << dialog.Problem().text().toStdString();
    };
    window_->Typed().CorrectChosen();
    ASSERT_EQ(list.topLevelItemCount(), 1);
    item = list.topLevelItem(0);
    EXPECT_EQ(item->text(TypedResultsPane::kVerdict), QStringLiteral("fail"));
    ASSERT_EQ(item->childCount(), 1);
    EXPECT_TRUE(item->child(0)->text(TypedResultsPane::kMeasured).endsWith(QStringLiteral("(corrected)")));
    EXPECT_EQ(item->child(0)->text(TypedResultsPane::kValues),
              QStringLiteral("Re=4.2 \u03a9; Rh>300 k\u03a9"));
}

TEST_F(TypedResultWindowTest, WithoutAChosenPointTheDialogOffersEveryPoint) {
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::All, 0}));
    window_->Typed().dialogShown = [&](TypedResultDialog& dialog) {
        EXPECT_EQ(dialog.Point().count(), 2);
        // No point is preset; OK says to choose one.
        EXPECT_EQ(dialog.Point().currentIndex(), -1);
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.Problem().text(),
                  QStringLiteral("Choose the test point the result was measured at."));
        dialog.Point().setCurrentIndex(dialog.Point().findText(QStringLiteral("Depot / Rod 1")));
        ChooseMethod(dialog, QStringLiteral("resistivity"));
        ASSERT_EQ(dialog.Values().size(), 1u);
        EXPECT_EQ(dialog.Values()[0].unit->itemText(0), QStringLiteral("\u03a9\u00b7m"));
        Type(*dialog.Values()[0].number, QStringLiteral("85"));
        dialog.Measured().setDateTime(QDateTime(QDate(2024, 3, 1), QTime(9, 15)));
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible()) << dialog.Problem().text().toStdString();
    };
    window_->Typed().NewResult();
    archive::ResultFilter filter;
    filter.pointId = pointIds_[0];
    const auto stored = archive::TypedResults(*archive_, filter);
    ASSERT_TRUE(stored && stored.Value().size() == 1);
    EXPECT_EQ(stored.Value()[0].fields.method, "resistivity");
    EXPECT_EQ(stored.Value()[0].fields.values, (std::vector<archive::TypedValue>{{"rho", 85, false}}));
    EXPECT_EQ(window_->Typed().List().topLevelItemCount(), 1);
}

// A correction that leaves a value alone keeps it exactly, though the box shows it rounded to its decimals;
// a small value is shown in the small unit.
TEST_F(TypedResultWindowTest, ACorrectionKeepsTheValuesItDoesNotTouchExactly) {
    archive::TypedResultFields fields;
    fields.point = pointIds_[0];
    fields.method = "3-pole";
    fields.values = {{"Re", 0.00123, false}, {"Rs", 4.23456, false}};
    fields.measured = "2024-03-01 09:15";
    fields.typedBy = "office";
    const auto stored = archive::AddTypedResult(*archive_, fields);
    ASSERT_TRUE(stored) << stored.Error().Text();
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointIds_[0]}));
    QTreeWidget& list = window_->Typed().List();
    ASSERT_EQ(list.topLevelItemCount(), 1);
    list.setCurrentItem(list.topLevelItem(0));
    window_->Typed().dialogShown = [&](TypedResultDialog& dialog) {
        EXPECT_EQ(dialog.Values()[0].unit->currentText(), QStringLiteral("m\u03a9"));
        EXPECT_EQ(dialog.Values()[1].number->value(), 4.235);
        Type(dialog.Instrument(), QStringLiteral("Other make"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible()) << dialog.Problem().text().toStdString();
    };
    window_->Typed().CorrectChosen();
    const auto newest = archive::TypedResultHistory(*archive_, stored.Value());
    ASSERT_TRUE(newest && newest.Value().size() == 2);
    EXPECT_EQ(newest.Value()[0].fields.instrument, "Other make");
    EXPECT_EQ(newest.Value()[0].fields.values, fields.values);
}

}  // namespace
}  // namespace terrovane::history
