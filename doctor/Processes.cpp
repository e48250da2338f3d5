#include "Processes.h"

#include <algorithm>
#include <filesystem>

#include "Numbers.h"
#include "SmallFile.h"

namespace terrovane::doctor {
namespace {

namespace fs = std::filesystem;

bool ParsePid(const std::string& text, pid_t& pid) {
    pid = numbers::ParseInteger<pid_t>(text).value_or(0);
    return pid > 0;
}

// The paths a descriptor on the device may name.
std::vector<std::string> NamesOf(const std::string& devicePath) {
    std::vector<std::string> names{devicePath};
    std::error_code error;
    const fs::path resolved = fs::canonical(devicePath, error);
    if (!error && resolved.string() != devicePath)
        names.push_back(resolved.string());
    return names;
}

}  // namespace

std::vector<Process> ListProcesses(const std::string& procRoot) {
    std::vector<Process> processes;
    std::error_code error;
    for (fs::directory_iterator it(procRoot, error), end; !error && it != end; it.increment(error)) {
        Process process;
        if (!ParsePid(it->path().filename().string(), process.pid))
            continue;
        process.name = ReadAttribute((it->path() / "comm").string());
        processes.push_back(std::move(process));
    }
    std::sort(processes.begin(), processes.end(),
              [](const Process& a, const Process& b) { return a.pid < b.pid; });
    return processes;
}

bool IsRunning(const std::vector<Process>& processes, const std::string& name) {
    return std::any_of(processes.begin(), processes.end(), [&](const Process& p) { return p.name == name; });
}

Holders FindHolders(const std::string& procRoot, const std::string& devicePath, pid_t self) {
    Holders holders;
    const std::vector<std::string> names = NamesOf(devicePath);
    for (const Process& process : ListProcesses(procRoot)) {
        if (process.pid == self)
            continue;
        std::error_code error;
        fs::directory_iterator it(fs::path(procRoot) / std::to_string(process.pid) / "fd", error);
        if (error) {
            holders.uninspected += error == std::errc::permission_denied ? 1 : 0;
            continue;
        }
        for (fs::directory_iterator end; it != end; it.increment(error)) {
            std::error_code linkError;
            const std::string target = fs::read_symlink(it->path(), linkError).string();
            if (!linkError && std::find(names.begin(), names.end(), target) != names.end()) {
                holders.processes.push_back(process);
                break;
            }
        }
    }
    return holders;
}

}  // namespace terrovane::doctor
