#include "ReceiveThread.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace terrovane::link {

ReceiveThread::ReceiveThread(int fd, ArrivalCallback onArrival) : fd_(fd), onArrival_(std::move(onArrival)) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) == 0) {
        wakeRead_ = pipeEnds[0];
        wakeWrite_ = pipeEnds[1];
    }
    thread_ = std::thread([this] { Run(); });
}

ReceiveThread::~ReceiveThread() {
    if (wakeWrite_ >= 0) {
        const char stop = 1;
        [[maybe_unused]] auto written = ::write(wakeWrite_, &stop, 1);
    }
    if (thread_.joinable())
        thread_.join();
    if (wakeRead_ >= 0)
        ::close(wakeRead_);
    if (wakeWrite_ >= 0)
        ::close(wakeWrite_);
}

std::vector<std::uint8_t> ReceiveThread::Take(std::size_t maxBytes) {
    std::lock_guard lock(mutex_);
    const std::size_t count = maxBytes == 0 ? buffer_.size() : std::min(maxBytes, buffer_.size());
    std::vector<std::uint8_t> taken(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(count));
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(count));
    return taken;
}

std::size_t ReceiveThread::Waiting() const {
    std::lock_guard lock(mutex_);
    return buffer_.size();
}

void ReceiveThread::Run() {
    // Once the line hangs up (the device unplugged, the far end of a pty closed) the descriptor stays
    // readable for ever; from then on only the wake-up pipe is watched.
    bool lineUp = true;
    for (;;) {
        pollfd fds[2] = {{wakeRead_, POLLIN, 0}, {fd_, POLLIN, 0}};
        if (::poll(fds, lineUp ? 2 : 1, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents != 0)
            return;
        if (!lineUp || fds[1].revents == 0)
            continue;
        lineUp = ReadAvailable() && (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
        lineUp_ = lineUp;
    }
}

bool ReceiveThread::ReadAvailable() {
    std::uint8_t chunk[4096];
    for (;;) {
        WaitForRoom();
        const ssize_t count = ::read(fd_, chunk, sizeof chunk);
        if (count > 0) {
            std::size_t waiting = 0;
            {
                std::lock_guard lock(mutex_);
                buffer_.insert(buffer_.end(), chunk, chunk + count);
                waiting = buffer_.size();
            }
            onArrival_(waiting);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        // A raw line without a minimum count answers 0 when it is empty; a real error ends the line.
        return count == 0 || errno == EAGAIN || errno == EWOULDBLOCK;
    }
}

void ReceiveThread::WaitForRoom() {
    while (Waiting() >= kBufferLimit) {
        pollfd wake{wakeRead_, POLLIN, 0};
        if (::poll(&wake, 1, 10) > 0)
            return;
    }
}

}  // namespace terrovane::link
