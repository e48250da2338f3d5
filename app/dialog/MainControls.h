#pragma once

#include <QDialog>
#include <QFrame>
#include <QMenuBar>
#include <QToolBar>
#include <QWidget>

#include <functional>

#include "RecordList.h"

namespace terrovane::menu {
class CMenuEx;
}

namespace terrovane::app {

// The main window's own controls, children of the dialog that the dialog's layout and Qt delete.
struct MainControls {
    menu::CMenuEx* menu = nullptr;
    QMenuBar* menuBar = nullptr;
    // The client area that holds every control; positions in it come from dialog units.
    QWidget* client = nullptr;
    QToolBar* toolBar = nullptr;
    // Control 1107: the display panel and its chart are placed over this frame's rectangle.
    QFrame* displayFrame = nullptr;
    RecordListView* recordList = nullptr;
};

// Builds the menu bar, the toolbar, the display's frame and the record list into `dialog` at their places;
// the menu's and the toolbar's commands go to `onCommand`.
MainControls BuildMainControls(QDialog& dialog, const std::function<void(int)>& onCommand);

}  // namespace terrovane::app
