#pragma once

#include <QObject>

#include <functional>
#include <map>

class QTimer;

namespace terrovane::printsvc {

// Numbered repeating timers that all report to one handler, as the view's timer ids do.
class ViewTimers : public QObject {
    Q_OBJECT
  public:
    explicit ViewTimers(std::function<void(int)> handler, QObject* parent = nullptr);

    // (Re)starts timer `id` with the interval; starting a running timer restarts it.
    void Start(int id, int intervalMs);
    void Stop(int id);
    bool IsActive(int id) const;

  private:
    std::function<void(int)> handler_;
    std::map<int, QTimer*> timers_;
};

}  // namespace terrovane::printsvc
