// The Properties of sites and test points as a user meets them: a double-click in the tree or the tree's
// menu opens them, mistakes keep the dialog open and say what to change, and the verdicts and due dates
// follow at once; Assign's New site... offers the same fields.
#include <QTest>

#include "ArchiveFixtures.h"
#include "HistoryColumns.h"
#include "HistoryWindow.h"
#include "Limits.h"
#include "MessageRecorder.h"
#include "PropertiesDialog.h"
#include "Sites.h"

namespace terrovane::history {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;

class PropertiesTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        ASSERT_TRUE(StoreImage(*archive_,
                               ImageWith({{0, MakeResult(1, 5, 0, 8.0f)}, {1, MakeResult(1, 5, 1, 12.0f)}}))
                        .stored);
        archive::SiteFields site;
        site.name = "Depot";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Rod 1";
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, pointId_, error_)) << error_;
        ASSERT_TRUE(archive::Assign(*archive_, {1, 2}, pointId_, error_)) << error_;
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    // The verdicts the list shows, newest first.
    QStringList Verdicts() const {
        QStringList verdicts;
        for (int row = 0; row < window_->Model().rowCount(); ++row)
            verdicts << window_->Model().index(row, kVerdictColumn).data().toString();
        return verdicts;
    }
    QTreeWidgetItem* TreeItem(const QString& name) const {
        const auto found = window_->Tree().findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    std::int64_t siteId_ = 0;
    std::int64_t pointId_ = 0;
    std::string error_;
    testing::MessageRecorder recorder_;
};

TEST_F(PropertiesTest, ADoubleClickedSiteTakesALimitAndIntervalAndItsResultsAreJudgedAtOnce) {
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId_}));
    EXPECT_EQ(Verdicts(), (QStringList{QStringLiteral("none"), QStringLiteral("none")}));
    QString problemSeen;
    window_->Edits().propertiesShown = [&](QDialog& shown) {
        auto& dialog = dynamic_cast<SitePropertiesDialog&>(shown);
        EXPECT_EQ(dialog.Name().text(), QStringLiteral("Depot"));
        dialog.Position().setText(QStringLiteral("north"));
        dialog.Limit().Choice().setCurrentIndex(dialog.Limit().Choice().count() - 1);  // custom
        dialog.Limit().Ohms().setText(QStringLiteral("10"));
        dialog.Limit().Source().setText(QStringLiteral("client specification"));
        dialog.Interval().setValue(6);
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        problemSeen = dialog.Problem().text();
        dialog.Position().setText(QStringLiteral("52.5, 13.4"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    };
    QTreeWidgetItem* site = TreeItem(QStringLiteral("Depot"));
    ASSERT_NE(site, nullptr);
    const QPoint at = window_->Tree().visualItemRect(site).center();
    // The two clicks of a double-click, as the window system delivers them.
    QTest::mouseClick(window_->Tree().viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(window_->Tree().viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(problemSeen.contains(QStringLiteral("latitude,longitude")));
    const auto stored = archive::FindSite(*archive_, "Depot", error_);
    ASSERT_TRUE(stored);
    ASSERT_TRUE(stored->fields.limit);
    EXPECT_EQ(stored->fields.limit->ohms, 10);
    EXPECT_EQ(stored->fields.limit->source, "client specification");
    EXPECT_EQ(stored->fields.intervalMonths, 6);
    EXPECT_DOUBLE_EQ(*stored->fields.latitude, 52.5);
    EXPECT_EQ(Verdicts(), (QStringList{QStringLiteral("pass"), QStringLiteral("fail")}));
    QTreeWidgetItem* point = TreeItem(QStringLiteral("Rod 1"));
    ASSERT_NE(point, nullptr);
    EXPECT_TRUE(point->text(SiteTree::kDueColumn).startsWith(QStringLiteral("2009-07-05")))
        << point->text(SiteTree::kDueColumn).toStdString();
}

TEST_F(PropertiesTest, APointTakesItsOwnLimitOrGoesBackToItsSites) {
    archive::SiteFields site = archive::FindSite(*archive_, "Depot", error_)->fields;
    site.limit = archive::Limit{10, "IEC 62305-3, earth-termination system"};
    ASSERT_TRUE(archive::UpdateSite(*archive_, siteId_, site, error_)) << error_;
    window_->Refresh();
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Point, pointId_}));
    window_->Edits().propertiesShown = [&](QDialog& shown) {
        auto& dialog = dynamic_cast<PointPropertiesDialog&>(shown);
        EXPECT_TRUE(dialog.Limit().Choice().itemText(0).contains(QStringLiteral("10 ohm")));
        dialog.Kind().setCurrentText(QStringLiteral("Rod"));
        dialog.Limit().Choice().setCurrentIndex(dialog.Limit().Choice().count() - 1);
        // Under the C locale a comma is no decimal separator: refused by the field's name, not read as 125.
        dialog.Limit().Ohms().setText(QStringLiteral("12,5"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_EQ(dialog.Problem().text(),
                  QStringLiteral("Custom limit: enter a number of ohms above 0, such as 7.5."));
        dialog.Limit().Ohms().setText(QStringLiteral("12.5"));
        QTest::keyClick(&dialog, Qt::Key_Return);
    };
    window_->Edits().EditChosenProperties();
    EXPECT_EQ(Verdicts(), (QStringList{QStringLiteral("pass"), QStringLiteral("pass")}));
    auto point = archive::PointById(*archive_, pointId_, error_);
    ASSERT_TRUE(point);
    EXPECT_EQ(point->fields.kind, archive::PointKind::Rod);
    EXPECT_EQ(point->fields.limit->source, "custom value");

    window_->Edits().propertiesShown = [&](QDialog& shown) {
        auto& dialog = dynamic_cast<PointPropertiesDialog&>(shown);
        dialog.Limit().Choice().setCurrentIndex(0);  // the site's again
        QTest::keyClick(&dialog, Qt::Key_Return);
    };
    window_->Edits().EditChosenProperties();
    EXPECT_EQ(Verdicts(), (QStringList{QStringLiteral("pass"), QStringLiteral("fail")}));
    EXPECT_EQ(window_->Model().rowCount(), 2);  // no change ever removes a result
}

TEST_F(PropertiesTest, AssignsNewSiteOffersTheSameFieldsAndANameInUseIsSaidInTheDialog) {
    AssignDialog assign(*archive_, 1);
    assign.NewEntries().propertiesShown = [&](QDialog& shown) {
        auto& dialog = dynamic_cast<SitePropertiesDialog&>(shown);
        dialog.Name().setText(QStringLiteral("Depot"));
        dialog.Address().setText(QStringLiteral("Dock road 4"));
        dialog.Limit().Choice().setCurrentIndex(1);  // the first preset
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.Problem().text().contains(QStringLiteral("already")));
        dialog.Name().setText(QStringLiteral("Harbour"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    };
    assign.NewEntries().AskNewSite();
    EXPECT_EQ(assign.SiteChoice().currentText(), QStringLiteral("Harbour"));
    EXPECT_FALSE(assign.AssignButton().isEnabled());
    const auto harbour = archive::FindSite(*archive_, "Harbour", error_);
    ASSERT_TRUE(harbour);
    EXPECT_EQ(harbour->fields.address, "Dock road 4");
    EXPECT_EQ(harbour->fields.limit->ohms, archive::LimitPresets().front().ohms);

    assign.NewEntries().propertiesShown = [&](QDialog& shown) {
        auto& dialog = dynamic_cast<PointPropertiesDialog&>(shown);
        dialog.Name().setText(QStringLiteral("Leg 1"));
        dialog.Kind().setCurrentText(QStringLiteral("Tower leg"));
        dialog.Interval().setValue(24);
        QTest::keyClick(&dialog, Qt::Key_Return);
    };
    assign.NewEntries().AskNewPoint();
    EXPECT_EQ(assign.PointChoice().currentText(), QStringLiteral("Leg 1"));
    EXPECT_TRUE(assign.AssignButton().isEnabled());
    const auto leg = archive::FindPoint(*archive_, "Harbour", "Leg 1", error_);
    ASSERT_TRUE(leg);
    EXPECT_EQ(leg->fields.kind, archive::PointKind::TowerLeg);
    EXPECT_EQ(leg->fields.intervalMonths, 24);
    EXPECT_TRUE(recorder_.Texts().empty());
}

}  // namespace
}  // namespace terrovane::history
