// terrovane-cli limits: the limit presets with their sources.
#include "Command.h"
#include "Limits.h"
#include "ResultListing.h"
#include "ResultsOutput.h"

namespace terrovane::cli {
namespace {

int ListLimits(const ParsedArguments&) {
    std::vector<std::vector<std::string>> rows = {{"PRESET", "OHM", "SOURCE", "APPLIES TO"}};
    for (const archive::LimitPreset& preset : archive::LimitPresets()) {
        rows.push_back({preset.name, archive::NumberText(preset.ohms), preset.source, preset.appliesTo});
    }
    return PrintText(AlignedTable(rows)) ? kExitOk : kExitFailed;
}

const CommandRegistrar kLimitsRegistrar(
    {"limits",
     "Lists the limit presets: each maximum earth resistance with the document it "
     "comes from and what it applies to. --limit of \"site add\" and \"point add\" "
     "takes a preset's name, a number of ohms or \"OHMS,SOURCE\".",
     {{{"limits", {}, {}}, ListLimits}}});

}  // namespace
}  // namespace terrovane::cli
