#include "PortHolder.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

#include "Numbers.h"
#include "RegularFile.h"

namespace terrovane::link {
namespace {

namespace fs = std::filesystem;

// /proc files report size 0; the bounded reader reads them to their end.
std::string ReadProcFile(const std::string& path, std::size_t limit = 1 << 20) {
    return platform::ReadRegularFile(path, limit, platform::Links::Follow).bytes;
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    while (!line.empty()) {
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string_view::npos)
            break;
        line.remove_prefix(start);
        const auto end = std::min(line.find_first_of(" \t"), line.size());
        words.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return words;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value, int base = 10) {
    const std::optional<Number> parsed = numbers::ParseInteger<Number>(text, base);
    value = parsed.value_or(value);
    return parsed.has_value();
}

// "08:01:1234": the filesystem's major and minor number in hex, the inode in decimal.
bool SameFile(std::string_view field, dev_t fileSystem, ino_t inode) {
    const auto first = field.find(':');
    const auto second = field.find(':', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos)
        return false;
    unsigned major = 0, minor = 0;
    unsigned long long number = 0;
    return ParseNumber(field.substr(0, first), major, 16) &&
           ParseNumber(field.substr(first + 1, second - first - 1), minor, 16) &&
           ParseNumber(field.substr(second + 1), number) && major == ::major(fileSystem) &&
           minor == ::minor(fileSystem) && number == inode;
}

std::string CommandName(pid_t pid) {
    std::string name = ReadProcFile("/proc/" + std::to_string(pid) + "/comm", 256);
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
        name.pop_back();
    return name.empty() ? std::string("?") : name;
}

// Any other process with a descriptor on the device.
std::optional<pid_t> ProcessWithDeviceOpen(const fs::path& device) {
    std::error_code error;
    for (const auto& process : fs::directory_iterator("/proc", error)) {
        pid_t pid = 0;
        if (!ParseNumber(process.path().filename().string(), pid) || pid == ::getpid())
            continue;
        std::error_code fdError;
        for (const auto& fd : fs::directory_iterator(process.path() / "fd", fdError)) {
            std::error_code linkError;
            if (fs::read_symlink(fd.path(), linkError) == device)
                return pid;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<pid_t> FlockHolderIn(std::string_view locks, dev_t fileSystem, ino_t inode) {
    std::istringstream lines{std::string(locks)};
    for (std::string line; std::getline(lines, line);) {
        // "1: FLOCK  ADVISORY  WRITE 4242 00:05:87 0 EOF"; waiters are listed as "1: -> FLOCK ...".
        const auto words = Words(line);
        pid_t pid = 0;
        if (words.size() >= 6 && words[1] == "FLOCK" && ParseNumber(words[4], pid) && pid > 0 &&
            SameFile(words[5], fileSystem, inode))
            return pid;
    }
    return std::nullopt;
}

std::optional<PortHolder> FindPortHolder(const std::string& devicePath) {
    std::error_code error;
    const fs::path device = fs::canonical(devicePath, error);
    struct stat status {};
    if (error || ::stat(device.c_str(), &status) != 0)
        return std::nullopt;
    std::optional<pid_t> pid = FlockHolderIn(ReadProcFile("/proc/locks"), status.st_dev, status.st_ino);
    if (!pid)
        pid = ProcessWithDeviceOpen(device);
    if (!pid)
        return std::nullopt;
    return PortHolder{*pid, CommandName(*pid)};
}

std::string DescribeHolder(const PortHolder& holder) {
    return holder.name + " (pid " + std::to_string(holder.pid) + ")";
}

std::string HolderAdvice(const PortHolder& holder) {
    if (holder.name == "Terrovane")
        return "Terrovane keeps the port while it asks a question and after a cancelled clock or erase "
               "question until its next command: answer it or run a command there (such as Read), or close "
               "Terrovane, then try again";
    return "wait until it has finished or end it, then try again";
}

}  // namespace terrovane::link
