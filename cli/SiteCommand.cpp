// terrovane-cli site add: a new site in the archive.
#include <cmath>
#include <cstdio>

#include "ArchiveAccess.h"
#include "Command.h"
#include "LimitOptions.h"
#include "Numbers.h"
#include "SiteCommands.h"
#include "Sites.h"

namespace terrovane::cli {
namespace {

// "LAT,LON" in decimal degrees.
bool ParsePosition(const std::string& text, double& latitude, double& longitude) {
    const auto comma = text.find(',');
    if (comma == std::string::npos) {
        return false;
    }
    const std::string parts[2] = {text.substr(0, comma), text.substr(comma + 1)};
    double values[2] = {};
    for (int i = 0; i < 2; ++i) {
        const auto value = numbers::ParseDecimal(parts[i]);
        if (!value) {
            return false;
        }
        values[i] = *value;
    }
    latitude = values[0];
    longitude = values[1];
    return std::fabs(latitude) <= 90 && std::fabs(longitude) <= 180;
}

int Add(const ParsedArguments& options) {
    archive::SiteFields fields;
    fields.name = options.positionals[0];
    fields.address = options.Value("address");
    if (options.Has("position")) {
        double latitude = 0;
        double longitude = 0;
        if (!ParsePosition(options.Value("position"), latitude, longitude)) {
            return UsageError("site", "--position takes LAT,LON in decimal degrees, e.g. 48.137,11.575");
        }
        fields.latitude = latitude;
        fields.longitude = longitude;
    }
    if (!ParseLimitOptions("site", options, fields.limit, fields.intervalMonths)) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor("site add");
    if (store == nullptr) {
        return kExitFailed;
    }
    std::int64_t id = 0;
    std::string error;
    if (!archive::AddSite(*store, fields, id, error)) {
        return CommandFailed("site add", error);
    }
    std::printf("site %lld added\n", static_cast<long long>(id));
    return kExitOk;
}

const CommandRegistrar kRegistrar(
    {"site",
     "\"site add SITE\" adds a site to the archive, with an address, a position in decimal degrees, a limit "
     "its test points inherit and a re-test interval in months. \"site report SITE --pdf FILE\" draws the "
     "site's report: each test point's latest result measured in the date range (--since, --until, "
     "YYYY-MM-DD, inclusive) with its limit, source, verdict and earlier results, and a summary line.",
     {{{"site add",
        {"SITE"},
        {{"address", "TEXT", "The site's address or description."},
         {"position", "LAT,LON", "Latitude and longitude in decimal degrees."},
         kLimitOption,
         kIntervalOption}},
       Add},
      SiteReportForm()}});

}  // namespace
}  // namespace terrovane::cli
