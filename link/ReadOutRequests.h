#pragma once

#include <QObject>

#include "CommandRun.h"

namespace terrovane::link {

// The read-out: after the handshake, the 100 record requests, each followed by its pause; the reply is
// judged once the last pause has ended.
class ReadOutRequests : public QObject {
    Q_OBJECT

  public:
    explicit ReadOutRequests(CommandRun& run, QObject* parent = nullptr);

    // The fast read-out: each record request goes out as soon as the packets asked for so far have all
    // arrived, and never later than the request pace would send it.
    void SetFast(bool fast) { fast_ = fast; }
    bool Fast() const { return fast_; }
    void Start();

  signals:
    void RequestsStarting();
    void RequestSent(int count);
    void RequestsDone();

  private:
    void StartRequests();
    void SendRequest(int slot);
    void PaceNextRequest(int slot);

    CommandRun& run_;
    bool fast_ = false;
};

}  // namespace terrovane::link
