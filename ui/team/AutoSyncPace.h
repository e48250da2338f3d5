#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>

namespace terrovane::teamui {

// The automatic syncs' pace: every few minutes while signed in, the minutes kept in the settings. Due
// fires at each turn; a failed sync simply waits for the next one, as the server may be out of reach for
// a while.
class AutoSyncPace : public QObject {
    Q_OBJECT

  public:
    explicit AutoSyncPace(QObject* parent = nullptr);

    // Minutes between automatic syncs; 0 for none.
    int Minutes() const { return minutes_; }
    // Keeps the minutes in the settings and paces by them.
    void SetMinutes(int minutes);
    // A finer step than minutes (while a pace is set), for tests.
    void SetInterval(std::chrono::milliseconds interval);
    // Whether an automatic sync is due: signed in with a pace set.
    bool Scheduled() const { return timer_.isActive(); }
    // The turns run only while signed in.
    void Follow(bool signedIn);

  signals:
    void Due();
    void Changed();

  private:
    void Pace();

    int minutes_ = 0;
    std::optional<std::chrono::milliseconds> interval_;
    bool signedIn_ = false;
    QTimer timer_;
};

}  // namespace terrovane::teamui
