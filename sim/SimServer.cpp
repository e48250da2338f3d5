#include "SimServer.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "AtomicFile.h"
#include "PortMapPublisher.h"

namespace terrovane::sim {
namespace {

using Clock = std::chrono::steady_clock;

int g_signalPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(g_signalPipe[1], &byte, 1);
}

void InstallStopSignals() {
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    ::sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);
}

}  // namespace

SimServer::SimServer(SimOptions options, Instrument& instrument)
    : options_(std::move(options)),
      instrument_(instrument),
      replies_(options_, static_cast<unsigned>(::getpid())) {}

SimServer::~SimServer() {
    Withdraw();
    for (int fd : {master_, slave_, log_}) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool SimServer::Start(std::string& error) {
    InstallStopSignals();
    if (!options_.logPath.empty()) {
        log_ = ::open(options_.logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (log_ < 0) {
            error = options_.logPath + ": " + std::strerror(errno);
            return false;
        }
    }
    // Our own handle on the slave side keeps the line alive between the program's opens and closes, as a
    // plugged-in bridge is; the master side is the instrument.
    if (::openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
        error = std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    devicePath_ = ::ttyname(slave_);
    if (!PublishPort(options_.portMapPath, options_.comNumber, devicePath_, error))
        return false;
    published_ = true;
    // Announced only once published: whoever waits for this line can use the port map at once.
    std::printf("%s\n", devicePath_.c_str());
    std::fflush(stdout);
    return true;
}

int SimServer::Serve() {
    for (;;) {
        pollfd fds[2] = {{g_signalPipe[0], POLLIN, 0}, {master_, POLLIN, 0}};
        if (replies_.FrontDue())
            fds[1].events |= POLLOUT;
        // Finer than milliseconds: a paced line's chunks are a few milliseconds apart.
        const timespec timeout = replies_.Empty() ? timespec{} : replies_.PollTimeout();
        if (::ppoll(fds, 2, replies_.Empty() ? nullptr : &timeout, nullptr) < 0 && errno != EINTR)
            return 1;
        if (fds[0].revents != 0)
            return 0;
        if (fds[1].revents & POLLIN)
            ReadRequests();
        replies_.WriteDue(master_);
        if (UnplugDue()) {
            AwaitAnswersTaken();
            Withdraw();
            return 0;
        }
    }
}

void SimServer::ReadRequests() {
    std::uint8_t chunk[4096];
    for (;;) {
        const ssize_t count = ::read(master_, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        LogBytes(chunk, static_cast<std::size_t>(count));
        replies_.Schedule(
            instrument_.Receive(std::span<const std::uint8_t>(chunk, static_cast<std::size_t>(count))));
        for (const auto& line : instrument_.TakeIgnoredLines())
            std::fprintf(stderr, "ignored: %s\n", line.c_str());
        SaveImageIfChanged();
    }
}

void SimServer::SaveImageIfChanged() {
    if (!instrument_.TakeImageChanged() || options_.imagePath.empty())
        return;
    const auto& image = instrument_.Image();
    std::string error;
    if (!platform::WriteFileAtomically(options_.imagePath, std::string(image.begin(), image.end()), error))
        std::fprintf(stderr, "cannot save the image: %s\n", error.c_str());
}

void SimServer::LogBytes(const std::uint8_t* bytes, std::size_t count) {
    while (log_ >= 0 && count > 0) {
        const ssize_t written = ::write(log_, bytes, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
}

bool SimServer::UnplugDue() const {
    if (instrument_.Unplugged())
        return true;
    return options_.faults.unplugAfter >= 0 && instrument_.RecordRequests() >= options_.faults.unplugAfter &&
           replies_.Empty();
}

// A pty's hang-up throws away what the far end has not read yet, which a cable pulled after the answers
// had reached the computer would not: the answers already given are left to be read first, for at most
// a second, or until a stop signal.
void SimServer::AwaitAnswersTaken() {
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    int unread = 0;
    while (::ioctl(slave_, FIONREAD, &unread) == 0 && unread > 0 && Clock::now() < deadline) {
        pollfd stop{g_signalPipe[0], POLLIN, 0};
        if (::poll(&stop, 1, 1) > 0)
            return;
    }
}

void SimServer::Withdraw() {
    if (!published_)
        return;
    published_ = false;
    std::string error;
    if (!WithdrawPort(options_.portMapPath, options_.comNumber, devicePath_, error))
        std::fprintf(stderr, "cannot withdraw the port: %s\n", error.c_str());
}

}  // namespace terrovane::sim
