// Every window of the main program is walked with Tab: each control is reached and Tab wraps.
#include <QAction>
#include <QPushButton>

#include <gtest/gtest.h>

#include "CAboutDlg.h"
#include "CDateTimeDlg.h"
#include "CTesterDlg.h"
#include "PortChooser.h"
#include "ProgressWindow.h"
#include "TabChain.h"

namespace terrovane::app {
namespace {

using testing::TabChainProblems;

TEST(TabChain, MainWindowAndItsDialogs) {
    CTesterDlg dialog;
    EXPECT_EQ(TabChainProblems(&dialog), "");
    // The record list lets Tab go on to the next control instead of moving between its cells.
    EXPECT_FALSE(dialog.RecordList()->tabKeyNavigation());

    CAboutDlg about(&dialog);
    EXPECT_EQ(TabChainProblems(&about), "");
    ui::CDateTimeDlg clock;
    EXPECT_EQ(TabChainProblems(&clock), "");
}

TEST(TabChain, PortChooser) {
    PortChooser chooser({platform::BridgePort{}, platform::BridgePort{}}, "");
    EXPECT_EQ(TabChainProblems(&chooser), "");
}

TEST(TabChain, ProgressWindowWithItsCancelButton) {
    ui::ProgressWindow progress(nullptr);
    progress.ShowCancelButton(true);
    EXPECT_EQ(TabChainProblems(progress.Window()), "");
}

}  // namespace
}  // namespace terrovane::app
