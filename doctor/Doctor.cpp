#include "Doctor.h"

#include <unistd.h>

#include <cstdlib>

#include "Bridges.h"
#include "Checks.h"
#include "Processes.h"
#include "UdevRules.h"

namespace terrovane::doctor {
namespace {

// The port to look at when the map names none: the bridge's own tty, when it has one.
std::string PortToInspect(const std::string& chosen, const std::vector<BridgeDevice>& bridges,
                          const Paths& paths) {
    if (!chosen.empty())
        return chosen;
    const std::string tty = FirstBridgeTty(bridges);
    return tty.empty() ? std::string() : paths.dev + "/" + tty;
}

bool Installed(const Finding& ownRule) {
    return ownRule.mark == Mark::Ok;
}

// With a port-map file in force (a simulated instrument, another adapter) the bridge's driver, device and
// rules only inform: nothing there keeps this port from working.
Finding AsideFromFileMap(Finding finding) {
    if (finding.mark == Mark::Fail || finding.mark == Mark::Warn) {
        finding.mark = Mark::Info;
        finding.text.push_back({Phrase::NotInTheWay, {}});
        finding.fix.clear();
    }
    return finding;
}

}  // namespace

Findings RunDoctor(const DoctorInput& input) {
    const Paths& paths = input.paths;
    const std::vector<BridgeDevice> bridges = FindBridges(paths);
    const std::vector<Process> processes = ListProcesses(paths.proc);
    const std::vector<RuleFile> rules = EffectiveRuleFiles(paths.udevRuleDirs);
    const Finding ownRule = CheckOwnRule(rules);
    Findings findings = {CheckDriver(paths, !bridges.empty()), CheckBridge(bridges),
                         CheckBrltty(paths, processes, rules), ownRule, CheckModemManager(processes, rules)};
    if (!input.liveMap) {
        for (Finding& finding : findings)
            finding = AsideFromFileMap(std::move(finding));
    }
    PortChoice choice{{Mark::Info, Check::PortMap, {{Phrase::NoPortMapGiven, {}}}, {}}, {}};
    if (input.portMap != nullptr)
        choice = CheckPortMap(*input.portMap, input.portMapDescription);
    findings.push_back(choice.finding);
    const std::string device =
        input.chosenDevice.empty() ? PortToInspect(choice.device, bridges, paths) : input.chosenDevice;
    findings.push_back(CheckPortAccess(paths, device, input.account, Installed(ownRule)));
    findings.push_back(CheckPortHolders(paths, device, input.self));
    if (input.handshake)
        findings.push_back(CheckHandshake(input.portChoice));
    return findings;
}

bool HandshakeSucceeded(const Findings& findings) {
    return !findings.empty() && findings.back().check == Check::Handshake && findings.back().mark == Mark::Ok;
}

bool LivePortMapInForce() {
    const char* path = std::getenv("TERROVANE_PORTMAP");
    return path == nullptr || *path == '\0';
}

Said CurrentPortMapDescription() {
    if (LivePortMapInForce())
        return {Phrase::LiveSystem, {}};
    return {Phrase::PortMapFile, {"TERROVANE_PORTMAP", std::getenv("TERROVANE_PORTMAP")}};
}

Findings DiagnoseSystem() {
    DoctorInput input;
    input.account = CurrentAccount(input.paths);
    input.portMap = &platform::CurrentPortMap();
    input.portMapDescription = CurrentPortMapDescription();
    input.liveMap = LivePortMapInForce();
    input.handshake = false;
    input.self = ::getpid();
    return RunDoctor(input);
}

}  // namespace terrovane::doctor
