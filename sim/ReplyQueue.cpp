#include "ReplyQueue.h"

#include <unistd.h>

#include <algorithm>

namespace terrovane::sim {

namespace {
using QueueClock = std::chrono::steady_clock;
}  // namespace

ReplyQueue::ReplyQueue(const SimOptions& options, unsigned busySeed)
    : linePace_(options.linePace),
      busyMinMs_(options.busyMinMs),
      busyMaxMs_(options.busyMaxMs),
      busyRandom_(busySeed) {}

// Answers go out in order; a delayed one holds back those behind it, as a slow instrument would. The
// instrument works on one command at a time: its busy time starts once the previous answer has gone out.
void ReplyQueue::Schedule(std::vector<Reply> replies) {
    for (auto& reply : replies) {
        const auto now = QueueClock::now();
        const auto busy = reply.works ? BusyTime() : std::chrono::milliseconds(0);
        const auto start = busy.count() > 0 ? std::max(now, answeredUntil_) + busy : now;
        const auto ready = start + std::chrono::milliseconds(reply.delayMs);
        if (!linePace_) {
            Enqueue(ready, std::move(reply.bytes));
            continue;
        }
        for (auto& chunk : line_.Pace(reply.bytes, ready))
            Enqueue(chunk.due, std::move(chunk.bytes));
    }
}

void ReplyQueue::Enqueue(QueueClock::time_point due, std::vector<std::uint8_t> bytes) {
    if (!pending_.empty())
        due = std::max(due, pending_.back().due);
    pending_.push_back({due, std::move(bytes)});
    answeredUntil_ = due;
}

// How long the instrument works on a request before it answers, drawn anew for every answer.
std::chrono::milliseconds ReplyQueue::BusyTime() {
    if (busyMaxMs_ == 0)
        return std::chrono::milliseconds(0);
    std::uniform_int_distribution<int> spread(busyMinMs_, busyMaxMs_);
    return std::chrono::milliseconds(spread(busyRandom_));
}

bool ReplyQueue::FrontDue() const {
    return !pending_.empty() && pending_.front().due <= QueueClock::now();
}

void ReplyQueue::WriteDue(int fd) {
    while (FrontDue()) {
        auto& bytes = pending_.front().bytes;
        const ssize_t written = bytes.empty() ? 0 : ::write(fd, bytes.data(), bytes.size());
        if (written < 0)
            return;  // the line is full: poll says when it has room again
        bytes.erase(bytes.begin(), bytes.begin() + written);
        if (!bytes.empty())
            return;
        pending_.pop_front();
    }
}

timespec ReplyQueue::PollTimeout() const {
    const auto wait =
        std::chrono::duration_cast<std::chrono::nanoseconds>(pending_.front().due - QueueClock::now());
    const long long nanoseconds = std::clamp<long long>(wait.count(), 0, 60'000'000'000LL);
    return timespec{static_cast<time_t>(nanoseconds / 1'000'000'000),
                    static_cast<long>(nanoseconds % 1'000'000'000)};
}

}  // namespace terrovane::sim
