// The archive window's layout as a user meets it: the panes are as wide as the user made them and stay
// so, a long name is cut with its whole text in the tooltip, and every window fits the screen whole.
#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTest>

#include "ArchiveFixtures.h"
#include "HistoryColumns.h"
#include "HistoryWindow.h"
#include "PropertiesDialog.h"
#include "Sites.h"
#include "TabChain.h"

namespace terrovane::history {
namespace {

using archive::testing::ImageWith;
using archive::testing::MakeResult;

const std::string kLongName =
    "Substation North-East, transformer yard 3, second extension beside the old switch house";

class LayoutTest : public archive::testing::ArchiveTest {
  protected:
    void SetUp() override {
        archive_ = OpenArchive();
        ASSERT_TRUE(StoreImage(*archive_, ImageWith({{0, MakeResult(1, 5, 0, 8.0f)},
                                                     {1, MakeResult(1, 6, 1, 9.0f)},
                                                     {2, MakeResult(9, 6, 2, 90.0f)}}))
                        .stored);
        archive::SiteFields site;
        site.name = kLongName;
        ASSERT_TRUE(archive::AddSite(*archive_, site, siteId_, error_)) << error_;
        archive::PointFields point;
        point.name = "Rod";
        ASSERT_TRUE(archive::AddPoint(*archive_, siteId_, point, pointId_, error_)) << error_;
        ASSERT_TRUE(archive::Assign(*archive_, {1, 2, 3}, pointId_, error_)) << error_;
    }
    std::unique_ptr<HistoryWindow> Open() {
        auto window = std::make_unique<HistoryWindow>(archive_.get(), QString());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }
    static QSplitter& Panes(HistoryWindow& window) { return *window.findChild<QSplitter*>(); }

    // The window lies inside the screen's free area and shows each of its controls whole.
    static void ExpectFits(QWidget& window) {
        QApplication::processEvents();
        const QRect area = window.screen()->availableGeometry();
        const QRect frame = window.frameGeometry();
        EXPECT_TRUE(area.contains(frame))
            << window.windowTitle().toStdString() << " " << frame.x() << "," << frame.y() << " "
            << frame.width() << "x" << frame.height() << " in " << area.width() << "x" << area.height();
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (!control->isVisibleTo(&window) ||
                !(qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
                  qobject_cast<QLineEdit*>(control)))
                continue;
            const QRect placed(control->mapTo(&window, QPoint(0, 0)), control->size());
            EXPECT_TRUE(window.rect().contains(placed)) << window.windowTitle().toStdString() << ": "
                                                        << testing::DescribeControl(control).toStdString();
        }
    }

    std::unique_ptr<archive::Archive> archive_;
    std::int64_t siteId_ = 0;
    std::int64_t pointId_ = 0;
    std::string error_;
};

TEST_F(LayoutTest, ALongSiteNameLeavesTheListItsRoomAndIsReadInTheTooltip) {
    auto window = Open();
    const QList<int> sizes = Panes(*window).sizes();
    // The tree takes no more than two fifths (or its own least width on a small screen), never the whole
    // long name's width.
    EXPECT_LE(sizes[0], std::max(window->Tree().minimumWidth(), window->width() * 2 / 5) + 4);
    EXPECT_LT(sizes[0], window->Tree().FittedWidth());
    const auto found = window->Tree().findItems(QString::fromStdString(kLongName), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0]->toolTip(SiteTree::kNameColumn), QString::fromStdString(kLongName));
    // The dates stay whole beside the cut name.
    EXPECT_LE(window->Tree().header()->length(), window->Tree().viewport()->width());
    const QModelIndex site = window->Model().index(0, kSiteColumn);
    EXPECT_EQ(site.data(Qt::ToolTipRole).toString(), QString::fromStdString(kLongName));
}

TEST_F(LayoutTest, ThePanesKeepTheWidthTheUserDraggedThemTo) {
    auto window = Open();
    QSplitter& panes = Panes(*window);
    QSplitterHandle* handle = panes.handle(1);
    const QPoint grip = handle->rect().center();
    const int before = panes.sizes()[0];
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip - QPoint(60, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(60, 0));
    const int dragged = panes.sizes()[0];
    EXPECT_LT(dragged, before - 30);
    window.reset();
    auto again = Open();
    EXPECT_EQ(Panes(*again).sizes()[0], dragged);
    QSettings().remove(QStringLiteral("Archive/Panes"));
}

TEST_F(LayoutTest, EveryWindowOfTheArchiveFitsTheScreen) {
    auto window = Open();
    ExpectFits(*window);
    window->SelectAll();
    for (QWidget* opened : {window->Analyses().ShowSoilModel(), window->Analyses().ShowFallOfPotential(),
                            window->Results().ShowTrend()}) {
        ASSERT_NE(opened, nullptr);
        ExpectFits(*opened);
        opened->close();
    }
    const auto site = archive::FindSite(*archive_, kLongName, error_);
    SitePropertiesDialog siteProperties(site->fields, window.get());
    siteProperties.show();
    ExpectFits(siteProperties);
    const auto point = archive::PointById(*archive_, pointId_, error_);
    PointPropertiesDialog pointProperties(point->fields, site->fields, window.get());
    pointProperties.show();
    ExpectFits(pointProperties);
    AssignDialog assign(*archive_, 3, window.get());
    assign.show();
    ExpectFits(assign);
}

}  // namespace
}  // namespace terrovane::history
