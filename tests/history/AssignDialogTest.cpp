// The assignment step as a user meets it: Assign waits for a test point, and a refused assignment keeps
// the dialog open with every choice and says what to change.
#include <QTest>

#include "ArchiveFixtures.h"
#include "HistoryWindow.h"
#include "MessageRecorder.h"
#include "Sites.h"

namespace terrovane::history {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;

class AssignDialogTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        std::vector<std::pair<std::size_t, record::MeasurementRecord>> results;
        for (int slot = 0; slot < 5; ++slot) {
            results.emplace_back(slot, MakeResult(1, 5, slot, 8.0f + static_cast<float>(slot)));
        }
        ASSERT_TRUE(StoreImage(*archive_, ImageWith(results)).stored);
        archive::SiteFields site;
        site.name = "Mast 7";
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        for (const char* name : {"Foot 1", "Foot 2"}) {
            archive::PointFields point;
            point.name = name;
            std::int64_t id = 0;
            ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, id, error_)) << error_;
            points_.push_back(id);
        }
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    std::int64_t siteId_ = 0;
    std::vector<std::int64_t> points_;
    std::string error_;
    testing::MessageRecorder recorder_;
};

TEST_F(AssignDialogTest, ARefusedAssignmentKeepsTheDialogAndItsChoicesAndSaysWhatToChange) {
    window_->SelectAll();
    bool stayedOpen = false;
    window_->Assignment().assignDialogShown = [&](AssignDialog& dialog) {
        // A site without points: nothing to assign to yet.
        ASSERT_TRUE(dialog.NewEntries().NewSite(QStringLiteral("Empty yard")));
        EXPECT_FALSE(dialog.AssignButton().isEnabled());
        dialog.SiteChoice().setCurrentText(QStringLiteral("Mast 7"));
        EXPECT_TRUE(dialog.AssignButton().isEnabled());
        // Five results one per point onto two points cannot go.
        dialog.InOrder().setChecked(true);
        QTest::mouseClick(&dialog.AssignButton(), Qt::LeftButton);
        stayedOpen = dialog.isVisible();
        EXPECT_TRUE(dialog.Problem().isVisible());
        EXPECT_TRUE(dialog.Problem().text().contains(QStringLiteral("fewer than the 5 results")));
        EXPECT_TRUE(dialog.Problem().text().contains(dialog.InOrder().text()));
        EXPECT_EQ(dialog.SiteChoice().currentText(), QStringLiteral("Mast 7"));
        EXPECT_EQ(dialog.PointChoice().currentText(), QStringLiteral("Foot 1"));
        EXPECT_TRUE(dialog.InOrder().isChecked());
        // All of them onto the second foot instead.
        dialog.InOrder().setChecked(false);
        EXPECT_FALSE(dialog.Problem().isVisible());
        dialog.PointChoice().setCurrentText(QStringLiteral("Foot 2"));
        QTest::mouseClick(&dialog.AssignButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    };
    window_->Assignment().AssignSelected();
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(recorder_.Texts().empty());
    std::vector<archive::PointRow> points;
    ASSERT_TRUE(archive::Points(*archive_, siteId_, points, error_)) << error_;
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].results, 0);
    EXPECT_EQ(points[1].results, 5);
}

}  // namespace
}  // namespace terrovane::history
