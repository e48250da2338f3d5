// The archive window and the windows it opens, driven by keyboard: the item with focus is framed in the
// tree and in every table, and Escape closes each window.
#include <QApplication>
#include <QPointer>
#include <QTest>

#include "ArchiveFixtures.h"
#include "EventWait.h"
#include "FopWindow.h"
#include "HistoryWindow.h"
#include "MessageRecorder.h"
#include "Sites.h"
#include "SoilWindow.h"

namespace terrovane::history {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;

// How many pixels of the top edge of `index`'s row, across the whole viewport, have the focus frame's
// colour (the selection's colour on an unselected row).
int FramePixels(QAbstractItemView& view, const QModelIndex& index) {
    const QImage shot = view.viewport()->grab().toImage();
    const QColor frame = view.palette().color(QPalette::Active, QPalette::Highlight);
    const int y = view.visualRect(index).top();
    int count = 0;
    for (int x = 0; x < shot.width(); ++x) {
        if (QColor(shot.pixel(x, y)) == frame) {
            ++count;
        }
    }
    return count;
}

// Makes `index` current without selecting it, gives the view focus, and says whether its row is framed.
bool FramedWithFocus(QWidget& window, QAbstractItemView& view, const QModelIndex& index) {
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    view.clearSelection();
    view.selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    EXPECT_TRUE(testing::RunEventsUntil([&] {
        window.activateWindow();
        view.setFocus();
        return view.hasFocus();
    }));
    return FramePixels(view, index) > view.visualRect(index).width() / 4;
}

class KeyboardTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        auto resistivity = [](int slot, float value, std::uint32_t metres) {
            auto result = MakeResult(9, 5, slot, value);
            result.integerValue = metres;
            return result;
        };
        ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, MakeResult(1, 5, 0, 8.0f)},
                                                     {1, MakeResult(1, 5, 1, 9.0f)},
                                                     {2, MakeResult(1, 5, 2, 9.5f)},
                                                     {3, resistivity(3, 100.0f, 1)},
                                                     {4, resistivity(4, 90.0f, 2)},
                                                     {5, resistivity(5, 80.0f, 4)}}))
                        .stored);
        window_ = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window_->show();
    }

    std::unique_ptr<archive::Archive> archive_;
    std::unique_ptr<HistoryWindow> window_;
    std::string error_;
    testing::MessageRecorder recorder_;
};

TEST_F(KeyboardTest, TheTreeAndTheListFrameTheirCurrentRowOnlyWhileTheyHaveFocus) {
    QTableView& list = window_->View();
    const QModelIndex second = list.model()->index(1, 2);
    EXPECT_TRUE(FramedWithFocus(*window_, list, second));
    window_->Tree().setFocus();
    EXPECT_LT(FramePixels(list, second), 4);

    SiteTree& tree = window_->Tree();
    const QModelIndex site = tree.model()->index(tree.topLevelItemCount() - 1, 0);
    EXPECT_TRUE(FramedWithFocus(*window_, tree, site));
}

TEST_F(KeyboardTest, EscapeClosesTheArchiveWindowAndEveryWindowItOpens) {
    window_->SelectAll();
    QPointer<QWidget> fop = window_->Analyses().ShowFallOfPotential();
    ASSERT_NE(fop, nullptr);
    QPointer<QWidget> soil = window_->Analyses().ShowSoilModel();
    ASSERT_NE(soil, nullptr);
    // The tables keep the frame too.
    auto* soilWindow = dynamic_cast<engineering::SoilWindow*>(soil.data());
    ASSERT_NE(soilWindow, nullptr);
    ASSERT_GT(soilWindow->LayerTable().rowCount(), 0);
    EXPECT_TRUE(
        FramedWithFocus(*soil, soilWindow->LayerTable(), soilWindow->LayerTable().model()->index(0, 0)));
    auto* fopWindow = dynamic_cast<engineering::FopWindow*>(fop.data());
    EXPECT_TRUE(FramedWithFocus(*fop, fopWindow->Readings().Table(),
                                fopWindow->Readings().Table().model()->index(1, 0)));

    for (QPointer<QWidget> window : {soil, fop, QPointer<QWidget>(window_.get())}) {
        ASSERT_TRUE(testing::RunEventsUntil([&] {
            window->activateWindow();
            return QApplication::activeWindow() == window;
        }));
        QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window.data();
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_TRUE(window.isNull() || !window->isVisible()) << window->windowTitle().toStdString();
    }
}

}  // namespace
}  // namespace terrovane::history
