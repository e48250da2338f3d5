#include "Pause.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <map>
#include <thread>

namespace terrovane::platform {
namespace {

int pauseDepth = 0;
int nextListenerId = 1;

std::map<int, PauseEndListener>& Listeners() {
    static std::map<int, PauseEndListener> listeners;
    return listeners;
}

// A window's close button is input too: the desktop's close request would otherwise destroy the
// dialog under the command that is still running.
class CloseRequestFilter : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && watched->isWidgetType()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

void NotifyListenersIfIdle() {
    if (pauseDepth != 0) {
        return;  // a later Pause of the same command schedules the call again when it ends
    }
    // Copy first: a listener may add or remove listeners.
    const auto listeners = Listeners();
    for (const auto& [id, listener] : listeners) {
        if (Listeners().count(id) != 0) {
            listener();
        }
    }
}

void RunEventsUntil(std::chrono::steady_clock::time_point deadline) {
    CloseRequestFilter closeFilter;
    QCoreApplication::instance()->installEventFilter(&closeFilter);
    for (;;) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        QEventLoop loop;
        QTimer::singleShot(std::chrono::milliseconds(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    QCoreApplication::instance()->removeEventFilter(&closeFilter);
}

}  // namespace

void Pause(int milliseconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || QThread::currentThread() != app->thread()) {
        std::this_thread::sleep_until(deadline);
        return;
    }
    ++pauseDepth;
    RunEventsUntil(deadline);
    --pauseDepth;
    if (pauseDepth == 0) {
        QMetaObject::invokeMethod(app, &NotifyListenersIfIdle, Qt::QueuedConnection);
    }
}

bool IsPaused() {
    return pauseDepth != 0;
}

int AddPauseEndListener(PauseEndListener listener) {
    const int id = nextListenerId++;
    Listeners().emplace(id, std::move(listener));
    return id;
}

void RemovePauseEndListener(int id) {
    Listeners().erase(id);
}

}  // namespace terrovane::platform
