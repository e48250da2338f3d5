#pragma once

#include <functional>

namespace terrovane::platform {

// A command's wait on the user-interface thread. The instrument protocol paces its lines with fixed
// waits (100 ms, a read-out over ten seconds), so a plain sleep would leave the windows unpainted and
// the desktop would offer to kill the program. Pause keeps the windows painted and answering the
// desktop (it runs the event loop without user input until the deadline) while the program itself gets
// nothing: no user input, and the timer handlers and the serial control check IsPaused() and hold back.
// Without a QCoreApplication it simply sleeps.
void Pause(int milliseconds);

// True while a Pause is running (on any nesting level).
bool IsPaused();

// Called once the command that paused has returned to the event loop: after the outermost Pause ends,
// a queued call runs the listeners from the event loop, and only when no Pause is running by then. So a
// command that pauses again before returning (the read-out's requests) gets no call in between; whatever
// was held back (a receive event) is delivered once, after the command. Listeners run on the thread of
// the QCoreApplication. Returns an id for RemovePauseEndListener.
using PauseEndListener = std::function<void()>;
int AddPauseEndListener(PauseEndListener listener);
void RemovePauseEndListener(int id);

}  // namespace terrovane::platform
