#include "Limits.h"

#include <cmath>

#include "Numbers.h"
#include "Problems.h"
#include "SiteStatements.h"

namespace terrovane::archive {

// Each value is what the named document says (or what it is quoted as saying, for the national codes);
// values that could not be traced to their document are left out.
const std::vector<LimitPreset>& LimitPresets() {
    static const std::vector<LimitPreset> presets = {
        {"iec62305", 10, "IEC 62305-3, earth-termination system",
         "lightning protection: a low earthing resistance, below 10 ohm where possible"},
        {"ieee142-5", 5, "IEEE Std 142, 4.1.3",
         "industrial plant substations, buildings and large commercial installations: upper end of 1 to 5 "
         "ohm"},
        {"ieee142-1", 1, "IEEE Std 142, 4.1.3",
         "industrial plant substations, buildings and large commercial installations: lower end of 1 to 5 "
         "ohm"},
        {"nec-rod", 25, "NEC 250.53(A)(2) Exception",
         "a single rod, pipe or plate electrode needs no supplemental electrode at 25 ohm or less"},
        {"r56-standard", 10, "Motorola R56, 4.7.4.2",
         "communication site, type B (standard duty): not over 10 ohm"},
        {"r56-goal", 5, "Motorola R56, 4.7.4.2", "communication site: the recommended design goal of 5 ohm"},
        {"gb50057-lightning", 10, "GB 50057 (as quoted)", "independent lightning protection earth"},
        {"gb50057-safety", 4, "GB 50057 (as quoted)", "independent protective (safety) earth"},
    };
    return presets;
}

const LimitPreset* FindLimitPreset(const std::string& name) {
    for (const LimitPreset& preset : LimitPresets()) {
        if (name == preset.name) {
            return &preset;
        }
    }
    return nullptr;
}

Result<Limit> ParseLimit(const std::string& text) {
    if (const LimitPreset* preset = FindLimitPreset(TrimmedName(text))) {
        return Limit{preset->ohms, preset->source};
    }
    const auto comma = text.find(',');
    const std::string number = TrimmedName(text.substr(0, comma));
    const std::string source =
        comma == std::string::npos ? "custom value" : TrimmedName(text.substr(comma + 1));
    const double ohms = numbers::ParseDecimal(number).value_or(NAN);
    if (!(ohms > 0)) {
        return Refused(kLimitNotUnderstood, {text});
    }
    if (source.empty()) {
        return Refused(kLimitSourceEmpty);
    }
    return Limit{ohms, source};
}

}  // namespace terrovane::archive
