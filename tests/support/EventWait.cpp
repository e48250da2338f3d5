#include "EventWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace terrovane::testing {

bool RunEventsUntil(const std::function<bool()>& condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs, Qt::PreciseTimer);
    // Wakes the loop for conditions that change outside it (a file, another process).
    QTimer nudge;
    nudge.setTimerType(Qt::PreciseTimer);
    nudge.start(2);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return condition();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}  // namespace terrovane::testing
