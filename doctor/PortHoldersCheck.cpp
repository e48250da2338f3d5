#include <algorithm>

#include "Checks.h"

namespace terrovane::doctor {
namespace {

// The simulated instrument keeps its own pty open, as a plugged-in bridge keeps its tty: it is the far end
// of the line, not a competitor for it.
constexpr const char* kSimulator = "terrovane-sim";

Argument Listed(const std::vector<Process>& processes) {
    std::vector<Said> list;
    for (const Process& process : processes)
        list.push_back({Phrase::ProcessWithPid, {process.name, std::to_string(process.pid)}});
    return list;
}

}  // namespace

Finding CheckPortHolders(const Paths& paths, const std::string& device, pid_t self) {
    if (device.empty())
        return {Mark::Info, Check::InUse, {{Phrase::NoPortToCheck, {}}}, {}};
    Holders holders = FindHolders(paths.proc, device, self);
    const auto simulators = std::stable_partition(holders.processes.begin(), holders.processes.end(),
                                                  [](const Process& p) { return p.name != kSimulator; });
    const std::vector<Process> serving(simulators, holders.processes.end());
    holders.processes.erase(simulators, holders.processes.end());
    Finding finding{Mark::Ok, Check::InUse, {{Phrase::NoOtherHolder, {device}}}, {}};
    if (!holders.processes.empty()) {
        std::string pids;
        for (const Process& process : holders.processes)
            pids += " " + std::to_string(process.pid);
        finding = {Mark::Fail,
                   Check::InUse,
                   {{Phrase::HeldBy, {device, Listed(holders.processes)}}},
                   {{Phrase::CloseOrEndHolder, {"kill" + pids}}}};
    }
    if (!serving.empty())
        finding.text.push_back({Phrase::ServedBySimulator, {Listed(serving)}});
    if (holders.uninspected > 0)
        finding.text.push_back({Phrase::OthersNotInspected, {std::to_string(holders.uninspected)}});
    return finding;
}

}  // namespace terrovane::doctor
