#include "Checks.h"
#include "SmallFile.h"

namespace terrovane::doctor {
namespace {

const RuleFile* OwnRule(const std::vector<RuleFile>& rules) {
    for (const RuleFile& rule : rules) {
        if (rule.name == kOwnRuleFile)
            return &rule;
    }
    return nullptr;
}

// A rule line for the bridge that tells ModemManager to keep off.
bool KeepsModemManagerOff(const RuleFile& rule) {
    if (rule.masked)
        return false;
    const std::string text = ReadSmallFile(rule.path).value_or("");
    if (text.find("ID_MM_DEVICE_IGNORE") == std::string::npos)
        return false;
    return !LinesMatchingBridge(text).empty();
}

}  // namespace

Finding CheckOwnRule(const std::vector<RuleFile>& rules) {
    const RuleFile* own = OwnRule(rules);
    const std::string install =
        "install the terrovane package (or copy its 70-terrovane.rules into /etc/udev/rules.d/), "
        "run sudo udevadm control --reload and plug the instrument in again";
    if (own == nullptr)
        return {Mark::Warn, "udev rule",
                std::string(kOwnRuleFile) +
                    " is not installed: only root and dialout "
                    "may open the port, and it has no stable name",
                install};
    if (own->masked)
        return {Mark::Warn, "udev rule", own->path + " switches the rule off", "remove " + own->path};
    return {Mark::Ok, "udev rule", own->path, {}};
}

Finding CheckModemManager(const std::vector<Process>& processes, const std::vector<RuleFile>& rules) {
    if (!IsRunning(processes, "ModemManager"))
        return {Mark::Ok, "ModemManager", "not running", {}};
    for (const RuleFile& rule : rules) {
        if (KeepsModemManagerOff(rule))
            return {Mark::Ok, "ModemManager", "running; " + rule.path + " keeps it off the bridge", {}};
    }
    return {Mark::Warn, "ModemManager",
            "running, and no rule keeps it off the bridge: it may send AT commands to "
            "the instrument for a few seconds after plug-in",
            "install the terrovane package (its udev rule sets ID_MM_DEVICE_IGNORE), or sudo systemctl stop "
            "ModemManager"};
}

}  // namespace terrovane::doctor
