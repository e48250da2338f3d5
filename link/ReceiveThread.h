#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace terrovane::link {

// Collects every byte that arrives on an open descriptor into a buffer of its own, on a thread of its
// own, so the sender's side can be busy for seconds without the kernel's small tty buffer filling and
// dropping input. After each arrival it reports how many bytes are waiting (on its own thread).
class ReceiveThread {
  public:
    using ArrivalCallback = std::function<void(std::size_t waiting)>;
    // Bytes beyond this stay in the kernel until some are taken (back-pressure instead of loss).
    static constexpr std::size_t kBufferLimit = 16 * 1024 * 1024;

    ReceiveThread(int fd, ArrivalCallback onArrival);
    ~ReceiveThread();  // stops and joins the thread; the descriptor stays open
    ReceiveThread(const ReceiveThread&) = delete;
    ReceiveThread& operator=(const ReceiveThread&) = delete;

    // Removes and returns up to maxBytes waiting bytes (all of them when maxBytes is 0).
    std::vector<std::uint8_t> Take(std::size_t maxBytes);
    std::size_t Waiting() const;
    // False once the line hung up (the device unplugged, the far end of a pty closed) or failed.
    bool LineUp() const { return lineUp_.load(); }

  private:
    void Run();
    bool ReadAvailable();
    void WaitForRoom();

    int fd_;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    ArrivalCallback onArrival_;
    mutable std::mutex mutex_;
    std::vector<std::uint8_t> buffer_;
    std::atomic<bool> lineUp_{true};
    std::thread thread_;
};

}  // namespace terrovane::link
