#pragma once

#include <time.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <random>
#include <vector>

#include "Instrument.h"
#include "LinePacer.h"
#include "SimOptions.h"

namespace terrovane::sim {

// The instrument's answers on their way out: each waits for its busy time and delay (and, on a paced line,
// for the line), then leaves in order through the pty's master side.
class ReplyQueue {
  public:
    ReplyQueue(const SimOptions& options, unsigned busySeed);

    void Schedule(std::vector<Reply> replies);
    bool Empty() const { return pending_.empty(); }
    // True when the first answer in line may go out now.
    bool FrontDue() const;
    // How long until the first answer in line is due; only when not Empty().
    timespec PollTimeout() const;
    // Writes what is due to `fd` until nothing more is due or the line is full.
    void WriteDue(int fd);

  private:
    struct PendingOutput {
        std::chrono::steady_clock::time_point due;
        std::vector<std::uint8_t> bytes;
    };

    void Enqueue(std::chrono::steady_clock::time_point due, std::vector<std::uint8_t> bytes);
    std::chrono::milliseconds BusyTime();

    bool linePace_;
    int busyMinMs_;
    int busyMaxMs_;
    std::deque<PendingOutput> pending_;
    LinePacer line_;
    // When the last answer scheduled has gone out.
    std::chrono::steady_clock::time_point answeredUntil_{};
    std::minstd_rand busyRandom_;
};

}  // namespace terrovane::sim
