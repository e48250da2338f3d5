// terrovane-cli point add: a new test point of a site.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "SiteCommands.h"
#include "Sites.h"

namespace terrovane::cli {
namespace {

int Add(const ParsedArguments& options) {
    archive::PointFields fields;
    fields.name = options.positionals[1];
    if (!ParsePointOptions(options, fields)) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor("point add");
    if (store == nullptr) {
        return kExitFailed;
    }
    std::string error;
    const auto site = archive::FindSite(*store, options.positionals[0], error);
    std::int64_t id = 0;
    if (!site || !archive::AddPoint(*store, site->id, fields, id, error)) {
        return CommandFailed("point add", texts::ArchiveProblemText(error));
    }
    Confirm(CliText::tr("test point %1 added to %2").arg(QString::number(id), Given(site->fields.name)));
    return kExitOk;
}

const CommandRegistrar kPointRegistrar(
    {"point",
     "\"point add SITE POINT\" adds a test point to a site, after its last one in the order of measuring. "
     "Without --limit or --interval the point takes the site's. \"point set SITE POINT\" changes an existing "
     "point's kind, limit or interval (only the options given).",
     {{{"point add", {"SITE", "POINT"}, PointOptions()}, Add}, PointSetForm()}});

}  // namespace
}  // namespace terrovane::cli
