#include "SitesMapListing.h"

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "Due.h"
#include "ResultListing.h"
#include "SiteMap.h"

namespace terrovane::cli {

bool IsMapFormat(const std::string& format) {
    return format == "geojson" || format == "kml";
}

int ListSitesMap(const std::string& format) {
    auto store = OpenArchiveFor("sites");
    if (store == nullptr) {
        return kExitFailed;
    }
    const archive::Result<archive::SitesMap> mapped = archive::MapSites(*store, archive::Today());
    if (!mapped) {
        return CommandFailed("sites", texts::FailureText(mapped.Error()));
    }
    const archive::SitesMap& map = mapped.Value();
    if (map.leftOut > 0) {
        Tell("sites", CliText::tr("%n site(s) without a position left out", nullptr, map.leftOut));
    }
    return PrintText(format == "kml" ? archive::SitesKml(map) : archive::SitesGeoJson(map)) ? kExitOk
                                                                                            : kExitFailed;
}

}  // namespace terrovane::cli
