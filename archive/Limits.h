#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Result.h"
#include "SiteTypes.h"

namespace terrovane::archive {

// A named limit as users quote it: the maximum earth resistance and the rule it comes from.
struct LimitPreset {
    const char* name;  // what the command line and the settings call it
    double ohms;
    const char* source;
    const char* appliesTo;
};

// Every preset, in one table; the user guide lists where each value is written down.
const std::vector<LimitPreset>& LimitPresets();
const LimitPreset* FindLimitPreset(const std::string& name);

// A limit from a preset name, a number of ohms ("7.5", source "custom value") or a number followed by a
// comma and its source ("7.5,client specification"); refused (kLimitNotUnderstood, kLimitSourceEmpty)
// otherwise.
Result<Limit> ParseLimit(const std::string& text);

}  // namespace terrovane::archive
