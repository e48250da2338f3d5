#pragma once

#include <functional>

class QObject;

namespace terrovane::platform {

// A command's wait on the user-interface thread. The instrument protocol paces its lines with fixed
// waits (100 ms, a read-out over ten seconds), so a plain sleep would leave the windows unpainted and
// the desktop would offer to kill the program. Pause keeps the windows painted and answering the
// desktop (it runs the event loop until the deadline) while the program itself gets nothing: the user's
// input to any of its windows is discarded (not kept for later), and the timer handlers and the serial
// control check IsPaused() and hold back.
// Without a QCoreApplication it simply sleeps.
void Pause(int milliseconds);

// True while a Pause is running (on any nesting level).
bool IsPaused();

// The one window whose input still counts during a pause (the progress window, which handles its own
// Escape and Cancel), or none. Forgotten by itself when the window is destroyed.
void SetPauseInputExemption(QObject* window);

// Called once the command that paused has returned to the event loop: after the outermost Pause ends,
// a queued call runs the listeners from the event loop, and only when no Pause is running by then. So a
// command that pauses again before returning (the read-out's requests) gets no call in between; whatever
// was held back (a receive event) is delivered once, after the command. Listeners run on the thread of
// the QCoreApplication. Returns an id for RemovePauseEndListener.
using PauseEndListener = std::function<void()>;
int AddPauseEndListener(PauseEndListener listener);
void RemovePauseEndListener(int id);

}  // namespace terrovane::platform
