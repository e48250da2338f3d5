#include "PortWatch.h"

#include <QAbstractEventDispatcher>

#include "DirectoryWatch.h"

namespace terrovane::app {

PortWatch::PortWatch(link::CommandHost& commands) : commands_(commands) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &PortWatch::Tick);
    timer_.start();
    pace_ = connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                    &PortWatch::Pace);
}

PortWatch::~PortWatch() {
    Stop();
}

void PortWatch::Stop() {
    disconnect(pace_);
    timer_.stop();
}

// The timer's tick runs on the event loop, which polls the port map's watch at every wake-up: the tick
// takes its word and asks the system nothing while no news came.
void PortWatch::Tick() {
    const platform::LoopNoticeScope fromTheLoop;
    commands_.PortWatchTick();
}

// The loop asks before each sleep: news in the port map, the end of a command, a choice of port and
// anything drawn on the display all come as events. A waking watch looks at once, then every period until
// it may rest again (a port's entries settle for a while after it comes or goes).
void PortWatch::Pace() {
    if (commands_.PortWatchAtRest()) {
        timer_.stop();
    } else if (!timer_.isActive()) {
        timer_.start();
        QMetaObject::invokeMethod(this, &PortWatch::Tick, Qt::QueuedConnection);
    }
}

}  // namespace terrovane::app
