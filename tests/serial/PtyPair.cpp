#include "PtyPair.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "CMSComm.h"

namespace terrovane::testing {

PtyPair::PtyPair(int port) : port_(port) {
    if (::openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty");
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
    slavePath_ = ::ttyname(slave_);
    char pattern[] = "/tmp/serial-test-XXXXXX";
    dir_ = ::mkdtemp(pattern);
    mapPath_ = dir_ + "/ports.ini";
    MapPortTo(slavePath_);
    ::setenv("TERROVANE_PORTMAP", mapPath_.c_str(), 1);
}

PtyPair::~PtyPair() {
    ::unsetenv("TERROVANE_PORTMAP");
    if (master_ >= 0)
        ::close(master_);
    ::close(slave_);
    std::filesystem::remove_all(dir_);
}

void PtyPair::MapPortTo(const std::string& device) const {
    const std::string temporary = mapPath_ + ".new";
    std::ofstream(temporary) << "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Silabser0=COM" << port_
                             << "\n[Ports]\nCOM" << port_ << "=" << device << "\n";
    std::filesystem::rename(temporary, mapPath_);
}

void PtyPair::HangUp() {
    ::close(master_);
    master_ = -1;
}

void PtyPair::Send(const std::vector<std::uint8_t>& bytes) const {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            throw std::runtime_error("write to pty master failed");
        done += static_cast<std::size_t>(written);
    }
}

std::vector<std::uint8_t> PtyPair::Receive(std::size_t count, std::chrono::milliseconds timeout) const {
    std::vector<std::uint8_t> bytes;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (bytes.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd in{master_, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&in, 1, static_cast<int>(left.count())) <= 0)
            break;
        std::uint8_t chunk[4096];
        const ssize_t got = ::read(master_, chunk, std::min(sizeof chunk, count - bytes.size()));
        if (got <= 0)
            break;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return bytes;
}

bool ProcessEventsUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ::usleep(1000);
    }
    return true;
}

void ProcessEventsFor(std::chrono::milliseconds duration) {
    ProcessEventsUntil([] { return false; }, duration);
}

std::vector<std::uint8_t> CountingBytes(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    return bytes;
}

bool AwaitBuffered(const link::CMSComm& comm, std::size_t count, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (static_cast<std::size_t>(comm.InBufferCount()) < count) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        ::usleep(500);
    }
    return true;
}

}  // namespace terrovane::testing
