#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace terrovane::testing {

// Input as the window system hands it over: queued for the program's event loop, not sent straight to a
// widget, so a loop that holds user input back holds these too.
void PostClick(QWidget* widget, QPoint position = {-1, -1});
void PostKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void PostWheel(QWidget* widget);
// The window manager's close box.
void PostCloseRequest(QWidget* window);

}  // namespace terrovane::testing
