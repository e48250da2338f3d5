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

std::string FixFor(const BrlttyRule& claim) {
    const std::string& path = claim.file->path;
    const std::string line = std::to_string(claim.line);
    if (path.starts_with("/etc/"))
        return "sudo apt remove brltty (unless you use a braille display), or delete line " + line + " of " +
               path + "; then sudo udevadm control --reload and plug the instrument in again";
    return "sudo apt remove brltty (unless you use a braille display), or override its rule: sudo cp " +
           path + " /etc/udev/rules.d/ and delete line " + line +
           " in the copy; then sudo udevadm control --reload and plug the instrument in again";
}

}  // namespace

Finding CheckBrltty(const Paths& paths, const std::vector<Process>& processes,
                    const std::vector<RuleFile>& rules) {
    bool anyRule = false;
    const RuleFile* mask = nullptr;
    const BrlttyRule claim = FindClaim(rules, anyRule, mask);
    const bool running = IsRunning(processes, kBrltty);
    if (!ProgramInstalled(paths) && !anyRule && !running)
        return {Mark::Ok, "brltty", "not installed", {}};
    const std::string state = std::string("installed, ") + (running ? "running" : "not running");
    if (claim.file != nullptr)
        return {Mark::Fail, "brltty",
                state + "; its rule " + claim.file->path + " (line " + std::to_string(claim.line) +
                    ") claims 10c4:ea60 and takes the tty away a second after plug-in",
                FixFor(claim)};
    if (mask != nullptr)
        return {Mark::Ok, "brltty", state + "; its rule is switched off by " + mask->path, {}};
    return {Mark::Ok, "brltty", state + "; none of its rules claims 10c4:ea60", {}};
}

}  // namespace terrovane::doctor
