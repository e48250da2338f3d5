#include <filesystem>

#include "Checks.h"
#include "SmallFile.h"

namespace terrovane::doctor {
namespace {

namespace fs = std::filesystem;

constexpr const char* kBrltty = "brltty";

bool ProgramInstalled(const Paths& paths) {
    for (const std::string& folder : paths.programDirs) {
        std::error_code error;
        if (fs::exists(fs::path(folder) / kBrltty, error))
            return true;
    }
    return false;
}

struct BrlttyRule {
    const RuleFile* file = nullptr;
    int line = 0;
};

// brltty's rules named by their file names; the first unmasked one that claims the bridge.
BrlttyRule FindClaim(const std::vector<RuleFile>& rules, bool& anyRule, const RuleFile*& mask) {
    for (const RuleFile& rule : rules) {
        if (rule.name.find(kBrltty) == std::string::npos)
            continue;
        anyRule = true;
        if (rule.masked) {
            mask = &rule;
            continue;
        }
        const auto lines = LinesMatchingBridge(ReadSmallFile(rule.path).value_or(""));
        if (!lines.empty())
            return {&rule, lines.front()};
    }
    return {};
}

Said FixFor(const BrlttyRule& claim) {
    const std::string& path = claim.file->path;
    const std::string line = std::to_string(claim.line);
    const std::string remove = "sudo apt remove brltty";
    const std::string reload = "sudo udevadm control --reload";
    if (path.starts_with("/etc/"))
        return {Phrase::RemoveBrlttyOrDeleteLine, {remove, line, path, reload}};
    return {Phrase::RemoveBrlttyOrOverrideRule,
            {remove, "sudo cp " + path + " /etc/udev/rules.d/", line, reload}};
}

}  // namespace

Finding CheckBrltty(const Paths& paths, const std::vector<Process>& processes,
                    const std::vector<RuleFile>& rules) {
    bool anyRule = false;
    const RuleFile* mask = nullptr;
    const BrlttyRule claim = FindClaim(rules, anyRule, mask);
    const bool running = IsRunning(processes, kBrltty);
    if (!ProgramInstalled(paths) && !anyRule && !running)
        return {Mark::Ok, Check::Brltty, {{Phrase::BrlttyNotInstalled, {}}}, {}};
    const Said state{running ? Phrase::BrlttyRunning : Phrase::BrlttyNotRunning, {}};
    const std::string bridge = std::string(kBridgeVendor) + ":" + kBridgeProduct;
    if (claim.file != nullptr)
        return {Mark::Fail,
                Check::Brltty,
                {{Phrase::BrlttyRuleClaims, {state, claim.file->path, std::to_string(claim.line), bridge}}},
                {FixFor(claim)}};
    if (mask != nullptr)
        return {Mark::Ok, Check::Brltty, {{Phrase::BrlttyRuleSwitchedOff, {state, mask->path}}}, {}};
    return {Mark::Ok, Check::Brltty, {{Phrase::BrlttyNoRuleClaims, {state, bridge}}}, {}};
}

}  // namespace terrovane::doctor
