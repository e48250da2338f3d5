#pragma once

#include <QToolBar>

#include <functional>

namespace terrovane::app {

// The seven command buttons with pictures and texts, separated from each other; each action carries its
// command id as data and reports it through onCommand.
QToolBar* BuildMainToolBar(QWidget* parent, const std::function<void(int)>& onCommand);

}  // namespace terrovane::app
