#pragma once

#include <QObject>
#include <QTimer>

#include "CommandHost.h"

namespace terrovane::app {

// Watches for the instrument's bridge coming and going while the main window is open: a timer that
// ticks only while a tick could find or change something, so an idle window costs nothing.
class PortWatch : public QObject {
    Q_OBJECT

  public:
    static constexpr int kTimerId = 2;
    static constexpr int kIntervalMs = 5;

    // Starts watching at once.
    explicit PortWatch(link::CommandHost& commands);
    ~PortWatch() override;

    const QTimer& Timer() const { return timer_; }
    // Ends the watch for good: the timer and the pacing both stop.
    void Stop();

  private:
    void Tick();
    void Pace();

    link::CommandHost& commands_;
    QTimer timer_;
    QMetaObject::Connection pace_;
};

}  // namespace terrovane::app
