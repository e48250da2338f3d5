#pragma once

#include <QEvent>
#include <QObject>

namespace terrovane::platform {

// What the user does to a window: mouse, wheel, keys, touch and pen, context menus, drags, shortcuts and
// the close box. A command that pauses must neither act on these nor let them pile up for later.
bool IsUserInput(QEvent::Type type);

// Whether a pause throws `type` away on its way to `target`. User input is dropped on every widget and
// shortcut of the program, except on `exempt` (a window that handles its own input while a command runs,
// such as the progress window) and its children. Events on the platform's native windows pass: they are
// handed on to a widget and judged there.
bool DiscardDuringPause(QEvent::Type type, const QObject* target, const QObject* exempt);

}  // namespace terrovane::platform
