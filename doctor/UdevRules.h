#pragma once

#include <string>
#include <vector>

#include "Paths.h"

namespace terrovane::doctor {

// A rule file udev reads: of all files of one name, the one in the earliest folder. Files that are empty
// or links to /dev/null are masks: they hide the name's later files and hold no rules.
struct RuleFile {
    std::string name;
    std::string path;
    bool masked = false;
    std::vector<std::string> hidden;  // later files of the same name, shadowed by this one
};

// Every *.rules name in the folders, with the file that counts for it, sorted by name (udev's order).
std::vector<RuleFile> EffectiveRuleFiles(const std::vector<std::string>& folders);

// The 1-based numbers of the rule lines (no comments) that name the bridge's vendor and product, either as
// a PRODUCT value "10c4/ea60/..." or as idVendor and idProduct matches.
std::vector<int> LinesMatchingBridge(const std::string& rules);

}  // namespace terrovane::doctor
