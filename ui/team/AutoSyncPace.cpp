#include "AutoSyncPace.h"

#include <algorithm>

#include "Settings.h"

namespace terrovane::teamui {

AutoSyncPace::AutoSyncPace(QObject* parent)
    : QObject(parent), minutes_(platform::Settings().TeamSyncMinutes()) {
    connect(&timer_, &QTimer::timeout, this, &AutoSyncPace::Due);
}

void AutoSyncPace::SetMinutes(int minutes) {
    minutes_ = std::max(minutes, 0);
    platform::Settings settings;
    settings.SetTeamSyncMinutes(minutes_);
    settings.Save();
    Pace();
    emit Changed();
}

void AutoSyncPace::SetInterval(std::chrono::milliseconds interval) {
    interval_ = interval;
    Pace();
}

void AutoSyncPace::Follow(bool signedIn) {
    signedIn_ = signedIn;
    Pace();
}

void AutoSyncPace::Pace() {
    if (signedIn_ && minutes_ > 0) {
        timer_.start(interval_.value_or(std::chrono::minutes(minutes_)));
    } else {
        timer_.stop();
    }
}

}  // namespace terrovane::teamui
