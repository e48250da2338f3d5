#include "LimitOptions.h"

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Limits.h"

namespace terrovane::cli {

DeclaredOption LimitOption() {
    return {"limit", "OHMS|PRESET",
            "The maximum earth resistance: a preset (see \"terrovane-cli limits\"), a number of ohms, or "
            "\"OHMS,SOURCE\" to name where a custom value comes from."};
}

DeclaredOption IntervalOption() {
    return {"interval", "MONTHS", "Re-test every MONTHS months (1 to 600)."};
}

bool ParseLimitOptions(const std::string& command, const ParsedArguments& options,
                       std::optional<archive::Limit>& limit, std::optional<int>& interval) {
    if (options.Has("limit")) {
        const archive::Result<archive::Limit> parsed = archive::ParseLimit(options.Value("limit"));
        if (!parsed) {
            UsageError(command, CliText::tr("--limit: %1").arg(texts::FailureText(parsed.Error())));
            return false;
        }
        limit = parsed.Value();
    }
    if (options.Has("interval")) {
        interval = WholeNumber(options.Value("interval"), 1, 600);
        if (!interval) {
            UsageError(command, CliText::tr("--interval takes a number of months from 1 to 600"));
            return false;
        }
    }
    return true;
}

}  // namespace terrovane::cli
