#include <QApplication>
#include <QDeadlineTimer>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "CAboutDlg.h"
#include "CMenuEx.h"
#include "CTesterDlg.h"
#include "CommandIds.h"
#include "DialogLayout.h"
#include "GuideWindow.h"
#include "RecordList.h"
#include "SyncStrip.h"
#include "UserGuide.h"

namespace terrovane::app {
namespace {

using Entry = std::pair<QString, int>;  // text (popups: "> text"), command id

void CollectMenu(const QList<QAction*>& actions, const QString& indent, std::vector<Entry>& out) {
    for (QAction* action : actions) {
        if (action->menu()) {
            out.emplace_back(indent + action->text(), -1);
            CollectMenu(action->menu()->actions(), indent + QStringLiteral("> "), out);
        } else if (!action->isSeparator()) {
            out.emplace_back(indent + action->text(), action->data().toInt());
        }
    }
}

// Closes the next modal dialog that opens and reports whether it was the about box.
void ExpectAboutBoxOpens(const std::function<void()>& trigger) {
    bool sawAbout = false;
    QTimer::singleShot(0, [&sawAbout] {
        QWidget* modal = QApplication::activeModalWidget();
        sawAbout = qobject_cast<CAboutDlg*>(modal) != nullptr;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->accept();
        }
    });
    trigger();
    EXPECT_TRUE(sawAbout);
}

TEST(MainDialog, MenuBarHoldsEveryItemWithItsId) {
    CTesterDlg dialog;
    std::vector<Entry> entries;
    CollectMenu(dialog.Controls().menuBar->actions(), QString(), entries);
    const std::vector<Entry> expected = {
        {"File (&F)", -1},
        {"> Read (&R)", 32792},
        {"> Save (&S)", 32784},
        {"> Print(&P)", 32785},
        {"> Show (&F)", 32808},
        {"> Exit (&E)", 1},
        {"> &History...", 32809},  // the archive, after the File items
        {"> &Team...", 32819},     // the team server, after the archive
        {"Mount(&M)", -1},
        {"> Date&Time (&T)", 32787},
        {"> Erase    (&D)", -1},
        {"> > Current(&C)", 32789},
        {"> > All    (&A)", 32790},
        {"> &Fast read-out", 32815},
        {"> &Port...", 32810},    // the choice among several bridges, after the instrument's commands
        {"> Language (&L)", -1},  // each language in its own words
        {"> > 中文(&Z)", 32816},
        {"> > &English", 32817},
        {"> > &Deutsch", 32818},
        {"Help (&H)", 32791},
        {"", 32793},
        {"", 58112},
    };
    EXPECT_EQ(entries, expected);
}

TEST(MainDialog, ToolbarHasSevenSeparatedButtonsInOrder) {
    CTesterDlg dialog;
    std::vector<Entry> buttons;
    int separators = 0;
    bool lastWasButton = false;
    for (QAction* action : dialog.Controls().toolBar->actions()) {
        if (action->isSeparator()) {
            ++separators;
            EXPECT_TRUE(lastWasButton);
            lastWasButton = false;
            continue;
        }
        buttons.emplace_back(action->text(), action->data().toInt());
        EXPECT_FALSE(action->icon().isNull());
        lastWasButton = true;
    }
    const std::vector<Entry> expected = {{"Read", 32792}, {"Save", 32784},  {"Print", 32785},
                                         {"Show", 32808}, {"Mount", 32787}, {"Erase", 32789},
                                         {"Exit", 1}};
    EXPECT_EQ(buttons, expected);
    EXPECT_EQ(separators, 6);
    EXPECT_EQ(dialog.Controls().toolBar->iconSize(), QSize(20, 16));
    EXPECT_EQ(dialog.Controls().toolBar->geometry().topLeft(), QPoint(0, 0));
}

TEST(MainDialog, RecordListHasHundredNumberedRowsAndItsColumns) {
    CTesterDlg dialog;
    QTableWidget* list = dialog.RecordList();
    ASSERT_EQ(list->rowCount(), 100);
    ASSERT_EQ(list->columnCount(), 3);
    const char* titles[] = {"No.", "yy-mm-dd", "hh-mm-ss"};
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(list->horizontalHeaderItem(column)->text(), QString::fromLatin1(titles[column]));
    }
    EXPECT_EQ(list->horizontalHeaderItem(0)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(list->horizontalHeaderItem(1)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(list->item(0, 0)->text(), QStringLiteral("00"));
    EXPECT_EQ(list->item(42, 0)->text(), QStringLiteral("42"));
    EXPECT_EQ(list->item(99, 0)->text(), QStringLiteral("99"));
    EXPECT_TRUE(list->item(99, 1)->text().isEmpty());
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_TRUE(list->showGrid());
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(Qt::white));
}

// Every title and every date and time the list can show stand whole in their columns, and the columns
// stand whole in the list: nobody scrolls sideways to read a time.
TEST(MainDialog, RecordListColumnsShowTheirWholeTexts) {
    CTesterDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTableWidget* list = dialog.RecordList();
    const QFontMetrics metrics(list->font());
    const QString widest[] = {QStringLiteral("99"), QStringLiteral("2255-12-31"), QStringLiteral("23:59:59")};
    const int margin = 2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 2;
    for (int column = 0; column < 3; ++column) {
        const int text = std::max(metrics.horizontalAdvance(widest[column]),
                                  metrics.horizontalAdvance(list->horizontalHeaderItem(column)->text()));
        EXPECT_GE(list->columnWidth(column), text + margin) << column;
    }
    EXPECT_LE(list->horizontalHeader()->length(), list->viewport()->width());
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);

    // The widths follow the font: a larger one (a larger scale of text) widens every column.
    QFont large = list->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    const auto normal = RecordListColumnWidths(metrics);
    const auto wide = RecordListColumnWidths(QFontMetrics(large));
    for (std::size_t column = 0; column < normal.size(); ++column) {
        EXPECT_GT(wide[column], normal[column] * 3 / 2) << column;
    }
}

TEST(MainDialog, ControlsSitWhereTheirDialogUnitsSay) {
    CTesterDlg dialog;
    const units::DialogUnits du(dialog.font());
    EXPECT_EQ(dialog.RecordList()->geometry(), du.Rect(263, 35, 134, 229));
    EXPECT_EQ(dialog.Controls().displayFrame->geometry(), du.Rect(8, 35, 245, 196));
    EXPECT_EQ(dialog.IdlePicture()->geometry(), du.Rect(59, 78, 159, 95));
    EXPECT_FALSE(dialog.IdlePicture()->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.Controls().client->size(), QSize(du.X(417), du.Y(283)));
    // The toolbar must not cover the controls below it.
    EXPECT_LE(dialog.Controls().toolBar->geometry().bottom(), du.Y(28));

    const MainDialogGeometry fixed = ComputeMainDialogGeometry(units::DialogUnits(8, 16));
    EXPECT_EQ(fixed.recordList, QRect(526, 70, 268, 458));
    EXPECT_EQ(fixed.client, QSize(834, 566));
}

TEST(MainDialog, StartsWithZeroedBufferAndRunningPortWatch) {
    CTesterDlg dialog;
    for (std::uint8_t byte : dialog.State().buffer) {
        ASSERT_EQ(byte, 0);
    }
    EXPECT_EQ(dialog.State().currentIndex, 0);
    EXPECT_FALSE(dialog.State().dataRead);
    EXPECT_FALSE(dialog.State().requestsSent);
    EXPECT_TRUE(dialog.Parts().Watch().Timer().isActive());
    EXPECT_EQ(dialog.Parts().Watch().Timer().interval(), 5);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST(MainDialog, ExitAndCloseBoxEndTheModalLoop) {
    CTesterDlg dialog;
    const std::vector<std::function<void()>> endings = {
        [&dialog] { dialog.OnCommand(1); },
        [&dialog] { dialog.Controls().toolBar->actions().last()->trigger(); },
        [&dialog] { dialog.close(); },
    };
    for (const auto& ending : endings) {
        QTimer::singleShot(0, &dialog, ending);
        QTimer::singleShot(2000, &dialog, [&dialog] { dialog.done(99); });  // guard against a hang
        EXPECT_NE(dialog.exec(), 99);
        EXPECT_FALSE(dialog.isVisible());
    }
}

// A stray Escape, on the window or on its list, must not end the program.
TEST(MainDialog, EscapeDoesNotEndTheModalLoop) {
    CTesterDlg dialog;
    for (QWidget* target : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(dialog.RecordList())}) {
        bool stillShown = false;
        QTimer::singleShot(0, &dialog, [&dialog, &stillShown, target] {
            QTest::keyClick(target, Qt::Key_Escape);
            stillShown = dialog.isVisible();
            dialog.done(42);
        });
        EXPECT_EQ(dialog.exec(), 42);
        EXPECT_TRUE(stillShown);
    }
}

TEST(MainDialog, AboutBoxOpensFromHelpAndTheWindowMenuRange) {
    CTesterDlg dialog;
    dialog.show();
    ExpectAboutBoxOpens([&dialog] { dialog.OnCommand(32791); });
    for (int id : {16, 17, 31}) {
        ExpectAboutBoxOpens([&dialog, id] { dialog.OnSysCommand(id); });
    }
    bool opened = false;
    QTimer::singleShot(0, [&opened] { opened = QApplication::activeModalWidget() != nullptr; });
    dialog.OnSysCommand(32);
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
}

// The standard keys, shown in the menu beside their items and working from the window.
TEST(MainDialog, StandardShortcutsRunTheirCommands) {
    CTesterDlg dialog;
    const auto standardOr = [](QKeySequence::StandardKey key, QKeySequence fallback) {
        return QKeySequence(key).isEmpty() ? fallback : QKeySequence(key);
    };
    const std::pair<int, QKeySequence> expected[] = {
        {res::kCmdRead, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {res::kCmdSave, standardOr(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S))},
        {res::kCmdPrint, standardOr(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P))},
        {res::kCmdExit, standardOr(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q))},
        {res::kCmdHistory, QKeySequence(Qt::CTRL | Qt::Key_H)},
    };
    std::set<QKeySequence> distinct;
    for (const auto& [id, keys] : expected) {
        ASSERT_NE(dialog.Controls().menu->Action(id), nullptr);
        EXPECT_EQ(dialog.Controls().menu->Action(id)->shortcut(), keys) << id;
        EXPECT_FALSE(keys.isEmpty());
        distinct.insert(keys);
    }
    EXPECT_EQ(distinct.size(), std::size(expected));

    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    // F1 opens the user guide at the main window's page; the About box stays under Help.
    QTest::keyClick(dialog.RecordList(), Qt::Key_F1);
    help::GuideWindow* guide = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<help::GuideWindow*>(window); found && found->isVisible())
            guide = found;
    ASSERT_NE(guide, nullptr);
    const QDeadlineTimer deadline(10000);
    while (!guide->ShowsHeading(QString::fromLatin1(help::kPageReading)) && !deadline.hasExpired())
        QTest::qWait(10);
    EXPECT_TRUE(guide->ShowsHeading(QString::fromLatin1(help::kPageReading)));
    guide->close();
    QApplication::setActiveWindow(&dialog);  // the offscreen platform gives it back to no window
    QTest::keyClick(dialog.RecordList(), Qt::Key_H, Qt::ControlModifier);
    ASSERT_NE(dialog.Parts().History().Window(), nullptr);
    EXPECT_TRUE(dialog.Parts().History().Window()->isVisible());
    dialog.Parts().History().Window()->close();

    CTesterDlg other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::keyClick(&other, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(other.result(), QDialog::Accepted);
}

TEST(MainDialog, ShutdownClosesAModalProgressWindowAndStoresItsPosition) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("TerrovaneTests"));
    QCoreApplication::setApplicationName(QStringLiteral("app-") +
                                         QString::number(QCoreApplication::applicationPid()));
    QSettings().clear();
    {
        CTesterDlg dialog;
        dialog.show();
        dialog.Progress().Open({});
        dialog.Progress().Window()->Window()->move(31, 41);
        EXPECT_FALSE(dialog.isEnabled());
    }
    EXPECT_EQ(QSettings().value(QStringLiteral("Settings/X")).toInt(), 31);
    EXPECT_EQ(QSettings().value(QStringLiteral("Settings/Y")).toInt(), 41);
    QSettings().clear();
}

// The choice survives the program: a new main window starts with the check mark and the session as left.
TEST(MainDialog, FastReadOutIsAToggleRememberedInTheSettings) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("TerrovaneTests"));
    QCoreApplication::setApplicationName(QStringLiteral("fast-") +
                                         QString::number(QCoreApplication::applicationPid()));
    QSettings().clear();
    {
        CTesterDlg dialog;
        QAction* item = dialog.Controls().menu->Action(32815);
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->isCheckable());
        EXPECT_FALSE(item->isChecked());
        EXPECT_FALSE(dialog.Session().FastReadOut());
        item->trigger();
        EXPECT_TRUE(dialog.Session().FastReadOut());
    }
    {
        CTesterDlg dialog;
        QAction* item = dialog.Controls().menu->Action(32815);
        EXPECT_TRUE(item->isChecked());
        EXPECT_TRUE(dialog.Session().FastReadOut());
        item->trigger();
        EXPECT_FALSE(dialog.Session().FastReadOut());
    }
    CTesterDlg reopened;
    EXPECT_FALSE(reopened.Controls().menu->Action(32815)->isChecked());
    EXPECT_FALSE(reopened.Session().FastReadOut());
    QSettings().clear();
}

}  // namespace
}  // namespace terrovane::app

namespace terrovane::app {
namespace {

// File > Team... opens one dialog on the program's session, and the archive window carries the team's line.
TEST(MainDialog, TeamOpensItsDialogAndTheArchiveWindowShowsTheSyncLine) {
    CTesterDlg dialog;
    dialog.OnCommand(res::kCmdTeam);
    ASSERT_NE(dialog.Parts().Team().Window(), nullptr);
    EXPECT_TRUE(dialog.Parts().Team().Window()->isVisible());
    EXPECT_FALSE(dialog.Parts().Team().Session().SignedIn());
    EXPECT_FALSE(dialog.Parts().Team().Window()->SyncNowButton().isEnabled());
    teamui::TeamDialog* first = dialog.Parts().Team().Window();
    dialog.OnCommand(res::kCmdTeam);
    EXPECT_EQ(dialog.Parts().Team().Window(), first);
    dialog.Parts().Team().Window()->close();

    dialog.OnCommand(res::kCmdHistory);
    ASSERT_NE(dialog.Parts().History().Window(), nullptr);
    auto* line = dialog.Parts().History().Window()->findChild<teamui::SyncStrip*>();
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->Summary().text().contains(QStringLiteral("Not yet sent: 0")))
        << line->Summary().text().toStdString();
    dialog.Parts().History().Window()->close();
}

}  // namespace
}  // namespace terrovane::app
