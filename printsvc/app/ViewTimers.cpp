#include "ViewTimers.h"

#include <QTimer>

namespace terrovane::printsvc {

ViewTimers::ViewTimers(std::function<void(int)> handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {}

void ViewTimers::Start(int id, int intervalMs) {
    QTimer*& timer = timers_[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] { handler_(id); });
    }
    timer->start(intervalMs);
}

void ViewTimers::Stop(int id) {
    const auto it = timers_.find(id);
    if (it != timers_.end())
        it->second->stop();
}

bool ViewTimers::IsActive(int id) const {
    const auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

}  // namespace terrovane::printsvc
