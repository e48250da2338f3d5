#pragma once

#include <QBoxLayout>

#include "HistoryControls.h"

class QMenuBar;

namespace terrovane::history {

// The archive window's menus, its tree's context menu and the buttons below the list, each handing its
// command to the part of the window that does it.
class WindowCommands {
  public:
    WindowCommands(HistoryWindow& window, HistoryControls& controls) : window_(window), controls_(controls) {}

    QMenuBar* BuildMenuBar();
    void BuildTreeMenu();
    // The buttons wrap onto further rows in a narrow window, the archive setting at the row's end.
    void BuildButtons(QBoxLayout* layout);

  private:
    HistoryWindow& window_;
    HistoryControls& controls_;
};

}  // namespace terrovane::history
