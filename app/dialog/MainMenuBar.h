#pragma once

#include <QMenuBar>

#include <functional>

namespace terrovane::app {

// The menu bar of the main dialog, built from the menu resource. Every command action carries its id as
// data and reports it through onCommand.
QMenuBar* BuildMainMenuBar(QWidget* parent, const std::function<void(int)>& onCommand);

}  // namespace terrovane::app
