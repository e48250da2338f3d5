#include <algorithm>

#include "Checks.h"

namespace terrovane::doctor {
namespace {

// The simulated instrument keeps its own pty open, as a plugged-in bridge keeps its tty: it is the far end
// of the line, not a competitor for it.
constexpr const char* kSimulator = "terrovane-sim";

std::string Listed(const std::vector<Process>& processes) {
    std::string names;
    for (const Process& process : processes)
        names += (names.empty() ? "" : ", ") + process.name + " (pid " + std::to_string(process.pid) + ")";
    return names;
}

}  // namespace

Finding CheckPortHolders(const Paths& paths, const std::string& device, pid_t self) {
    if (device.empty())
        return {Mark::Info, "in use", "no port to check", {}};
    Holders holders = FindHolders(paths.proc, device, self);
    const auto simulators = std::stable_partition(holders.processes.begin(), holders.processes.end(),
                                                  [](const Process& p) { return p.name != kSimulator; });
    const std::vector<Process> serving(simulators, holders.processes.end());
    holders.processes.erase(simulators, holders.processes.end());
    std::string note;
    if (!serving.empty())
        note += "; served by the simulated instrument " + Listed(serving);
    if (holders.uninspected > 0)
        note += " (" + std::to_string(holders.uninspected) +
                " processes of other users not looked at; sudo shows them)";
    if (holders.processes.empty())
        return {Mark::Ok, "in use", "no other program holds " + device + note, {}};
    std::string pids;
    for (const Process& process : holders.processes)
        pids += " " + std::to_string(process.pid);
    return {Mark::Fail, "in use", device + " is held by " + Listed(holders.processes) + note,
            "close that program, or end it: kill" + pids};
}

}  // namespace terrovane::doctor
