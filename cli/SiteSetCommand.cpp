// terrovane-cli site set: the options of "site add" applied to an existing site.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "LimitOptions.h"
#include "SiteCommands.h"
#include "SitePosition.h"
#include "Sites.h"

namespace terrovane::cli {
namespace {

int SetSite(const ParsedArguments& options) {
    auto store = OpenArchiveFor("site set");
    if (store == nullptr) {
        return kExitFailed;
    }
    std::string error;
    const auto site = archive::FindSite(*store, options.positionals[0], error);
    if (!site) {
        return CommandFailed("site set", texts::ArchiveProblemText(error));
    }
    archive::SiteFields fields = site->fields;
    if (!ParseSiteOptions(options, fields)) {
        return kExitUsage;
    }
    if (!archive::UpdateSite(*store, site->id, fields, error)) {
        return CommandFailed("site set", texts::ArchiveProblemText(error));
    }
    Confirm(CliText::tr("site %1 changed").arg(Given(fields.name)));
    return kExitOk;
}

}  // namespace

std::vector<DeclaredOption> SiteOptions() {
    return {{"address", "TEXT", "The site's address or description."},
            {"position", "LAT,LON", "Latitude and longitude in decimal degrees."},
            LimitOption(),
            IntervalOption()};
}

bool ParseSiteOptions(const ParsedArguments& options, archive::SiteFields& fields) {
    if (options.Has("address")) {
        fields.address = options.Value("address");
    }
    if (options.Has("position")) {
        const auto position = archive::ParsePosition(options.Value("position"));
        if (!position) {
            UsageError("site",
                       CliText::tr("--position takes LAT,LON in decimal degrees, e.g. 48.137,11.575"));
            return false;
        }
        fields.latitude = position->latitude;
        fields.longitude = position->longitude;
    }
    return ParseLimitOptions("site", options, fields.limit, fields.intervalMonths);
}

CommandForm SiteSetForm() {
    return {{"site set", {"SITE"}, SiteOptions()}, SetSite};
}

}  // namespace terrovane::cli
