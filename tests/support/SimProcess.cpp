#include "SimProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace terrovane::testing {
namespace {

constexpr auto kStartTimeout = std::chrono::seconds(5);

// The first line of `fd`, or what came of it before the deadline or the end of the output.
std::string ReadFirstLine(int fd, std::chrono::steady_clock::time_point deadline) {
    std::string line;
    char c = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd in{fd, POLLIN, 0};
        if (::poll(&in, 1, 20) <= 0)
            continue;
        if (::read(fd, &c, 1) != 1 || c == '\n')
            break;
        line += c;
    }
    return line;
}

}  // namespace

SimProcess::SimProcess(std::vector<std::string> arguments, const record::ReadOutBuffer* image,
                       const std::string& portMapPath) {
    char pattern[] = "/tmp/sim-test-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        throw std::runtime_error("mkdtemp");
    dir_ = pattern;
    mapPath_ = portMapPath.empty() ? dir_ + "/ports.ini" : portMapPath;
    if (image != nullptr) {
        std::ofstream(ImagePath(), std::ios::binary)
            .write(reinterpret_cast<const char*>(image->data()), static_cast<std::streamsize>(image->size()));
        arguments.insert(arguments.begin(), {"--image", ImagePath()});
    }
    for (auto& argument : arguments) {
        if (argument == "@log")
            argument = LogPath();
    }
    arguments.insert(arguments.begin(), {TERROVANE_SIM_PATH, "--portmap", mapPath_});
    Launch(std::move(arguments));
    AwaitPublished();
}

SimProcess::~SimProcess() {
    if (line_ >= 0)
        ::close(line_);
    Stop();
    std::filesystem::remove_all(dir_);
}

void SimProcess::Launch(std::vector<std::string> arguments) {
    // Everything the child needs is made before the fork: the tests run threads, and only async-signal-safe
    // calls are allowed between fork and exec.
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe");
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(output[1]);
    // The first line is the device; nothing else comes on standard output.
    devicePath_ = ReadFirstLine(output[0], deadline);
    ::close(output[0]);
}

void SimProcess::AwaitPublished() {
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (!devicePath_.empty() && std::chrono::steady_clock::now() < deadline) {
        if (ReadFile(mapPath_).find(devicePath_) != std::string::npos) {
            started_ = true;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::string SimProcess::Log() const {
    return ReadFile(LogPath());
}

void SimProcess::Connect() {
    line_ = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (line_ < 0)
        throw std::runtime_error("cannot open " + devicePath_);
    termios raw{};
    ::tcgetattr(line_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(line_, TCSANOW, &raw);
}

void SimProcess::Send(const std::string& bytes) const {
    if (::write(line_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        throw std::runtime_error("short write");
}

std::vector<std::uint8_t> SimProcess::Receive(std::size_t count, std::chrono::milliseconds quietTime) const {
    std::vector<std::uint8_t> bytes;
    while (bytes.size() < count) {
        pollfd in{line_, POLLIN, 0};
        if (::poll(&in, 1, static_cast<int>(quietTime.count())) <= 0 || !(in.revents & POLLIN))
            break;
        std::uint8_t chunk[8192];
        const ssize_t got = ::read(line_, chunk, sizeof chunk);
        if (got <= 0)
            break;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return bytes;
}

int SimProcess::WaitForExit(std::chrono::milliseconds timeout) {
    if (pid_ <= 0)
        return -1;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int SimProcess::Stop() {
    if (pid_ <= 0)
        return -1;
    ::kill(pid_, SIGTERM);
    const int pid = pid_;
    const int status = WaitForExit(std::chrono::seconds(5));
    if (pid_ > 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        pid_ = -1;
    }
    return status;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace terrovane::testing
