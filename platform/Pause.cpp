#include "Pause.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <map>
#include <thread>

#include "PauseInput.h"

namespace terrovane::platform {
namespace {

int pauseDepth = 0;
int nextListenerId = 1;

std::map<int, PauseEndListener>& Listeners() {
    static std::map<int, PauseEndListener> listeners;
    return listeners;
}

QPointer<QObject>& InputExemption() {
    static QPointer<QObject> exempt;
    return exempt;
}

// Input reaching the program while a command pauses is thrown away rather than held: held, a click on
// Exit or a close request made during a read-out would end the program the moment the command returned.
class PauseInputFilter : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (DiscardDuringPause(event->type(), watched, InputExemption().data())) {
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
    PauseInputFilter inputFilter;
    QCoreApplication::instance()->installEventFilter(&inputFilter);
    for (;;) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        QEventLoop loop;
        QTimer::singleShot(std::chrono::milliseconds(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        // All events, so the user's input is taken from the window system now and dropped by the filter.
        loop.exec(QEventLoop::AllEvents);
    }
    QCoreApplication::instance()->removeEventFilter(&inputFilter);
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

void SetPauseInputExemption(QObject* window) {
    InputExemption() = window;
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
