// The archive window follows changes made elsewhere (here through a second handle on the file, as another
// program or the command line makes them), keeping the user's selection and scroll.
#include <QScrollBar>
#include <QTest>

#include "ArchiveFixtures.h"
#include "EventWait.h"
#include "HistoryWindow.h"
#include "Sites.h"

namespace terrovane::history {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;

class LiveArchiveTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        std::vector<std::pair<std::size_t, record::MeasurementRecord>> results;
        for (int slot = 0; slot < 60; ++slot) {
            results.emplace_back(slot, MakeResult(1, 1 + slot % 28, slot, 5.0f + static_cast<float>(slot)));
        }
        ASSERT_TRUE(StoreImage(*archive_, ImageWith(results)).stored);
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->resize(1000, 400);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        other_ = OpenArchive();  // another program's handle on the same file
    }

    // Runs the event loop until `condition` holds; false when it never does. How soon it does is measured
    // in bench/, not judged here.
    static bool Eventually(const std::function<bool()>& condition) {
        return testing::RunEventsUntil(condition, 30000);
    }
    static bool TreeHas(const HistoryWindow& window, const QString& name) {
        return !window.Tree().findItems(name, Qt::MatchExactly | Qt::MatchRecursive).isEmpty();
    }
    bool TreeHas(const QString& name) const { return TreeHas(*window_, name); }
    std::set<std::int64_t> SelectedIds() const {
        std::set<std::int64_t> ids;
        for (const QModelIndex& index : window_->View().selectionModel()->selectedRows()) {
            ids.insert(window_->Model().RowAt(index.row())->id);
        }
        return ids;
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<archive::Archive> other_;
    std::unique_ptr<HistoryWindow> window_;
    std::string error_;
};

TEST_F(LiveArchiveTest, ChangesMadeElsewhereShowAndTheUsersPlaceStays) {
    QTableView& view = window_->View();
    view.selectRow(40);
    view.selectionModel()->select(window_->Model().index(42, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view.scrollTo(window_->Model().index(45, 0));
    const std::set<std::int64_t> selected = SelectedIds();
    ASSERT_EQ(selected.size(), 2u);
    const int scroll = view.verticalScrollBar()->value();
    ASSERT_GT(scroll, 0);

    archive::SiteFields site;
    site.name = "Made elsewhere";
    std::int64_t siteId = 0;
    ASSERT_TRUE(archive::AddSite(*other_, site, siteId, error_)) << error_;
    EXPECT_TRUE(Eventually([&] { return TreeHas(QStringLiteral("Made elsewhere")); }));
    EXPECT_EQ(SelectedIds(), selected);
    EXPECT_EQ(view.verticalScrollBar()->value(), scroll);

    // A label set elsewhere shows in the list, the selection still in place.
    ASSERT_TRUE(
        other_->SetLabel(archive::LabelTarget::Result, *selected.begin(), "Checked", std::nullopt, error_));
    EXPECT_TRUE(Eventually([&] {
        for (int row = 0; row < window_->Model().rowCount(); ++row)
            if (window_->Model().RowAt(row)->label == "Checked")
                return true;
        return false;
    }));
    EXPECT_EQ(SelectedIds(), selected);

    // The chosen site deleted elsewhere: the tree falls back to every result and the list shows them.
    ASSERT_TRUE(window_->Tree().Choose({TreeChoice::Kind::Site, siteId}));
    EXPECT_EQ(window_->Model().rowCount(), 0);
    ASSERT_TRUE(archive::DeleteSite(*other_, siteId, error_)) << error_;
    EXPECT_TRUE(Eventually([&] { return window_->Model().rowCount() > 0; }));
    EXPECT_EQ(window_->Tree().Current().kind, TreeChoice::Kind::All);
    EXPECT_NE(window_->Status().text(), QStringLiteral("No results match"));
}

TEST_F(LiveArchiveTest, AHiddenWindowShowsWhatChangedAsItOpensAgain) {
    window_->hide();
    archive::SiteFields site;
    site.name = "While closed";
    std::int64_t siteId = 0;
    // A window shown on the same file is told of the change; by the time it shows it, the hidden one,
    // which would have been told as soon, has not reloaded.
    HistoryWindow witness(other_.get(), QString());
    witness.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&witness));
    ASSERT_TRUE(archive::AddSite(*other_, site, siteId, error_)) << error_;
    ASSERT_TRUE(Eventually([&] { return TreeHas(witness, QStringLiteral("While closed")); }));
    EXPECT_FALSE(TreeHas(QStringLiteral("While closed")));
    window_->show();
    EXPECT_TRUE(Eventually([&] { return TreeHas(QStringLiteral("While closed")); }));
}

}  // namespace
}  // namespace terrovane::history
