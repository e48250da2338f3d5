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
    if (own == nullptr)
        return {Mark::Warn,
                Check::UdevRule,
                {{Phrase::OwnRuleMissing, {kOwnRuleFile}}},
                {{Phrase::InstallOwnRule,
                  {kPackage, kOwnRuleFile, "/etc/udev/rules.d/", "sudo udevadm control --reload"}}}};
    if (own->masked)
        return {Mark::Warn,
                Check::UdevRule,
                {{Phrase::OwnRuleSwitchedOff, {own->path}}},
                {{Phrase::RemoveFile, {own->path}}}};
    return {Mark::Ok, Check::UdevRule, {{Phrase::Plain, {own->path}}}, {}};
}

Finding CheckModemManager(const std::vector<Process>& processes, const std::vector<RuleFile>& rules) {
    if (!IsRunning(processes, "ModemManager"))
        return {Mark::Ok, Check::ModemManager, {{Phrase::NotRunning, {}}}, {}};
    for (const RuleFile& rule : rules) {
        if (KeepsModemManagerOff(rule))
            return {Mark::Ok, Check::ModemManager, {{Phrase::ModemManagerKeptOff, {rule.path}}}, {}};
    }
    return {Mark::Warn,
            Check::ModemManager,
            {{Phrase::ModemManagerMayProbe, {}}},
            {{Phrase::InstallRuleOrStopModemManager,
              {kPackage, "ID_MM_DEVICE_IGNORE", "sudo systemctl stop ModemManager"}}}};
}

}  // namespace terrovane::doctor
