// terrovane-cli assign: results to a test point.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "Sites.h"

namespace terrovane::cli {
namespace {

int Assign(const ParsedArguments& options) {
    std::vector<std::int64_t> ids;
    for (const std::string& text : options.positionals) {
        const auto id = WholeNumber(text, 1, 999999999);
        if (!id) {
            return UsageError(
                "assign", CliText::tr("result ids are whole numbers as \"history\" prints them, not \"%1\"")
                              .arg(Given(text)));
        }
        ids.push_back(*id);
    }
    const std::string target = options.Value("to");
    const auto slash = target.rfind('/');
    if (slash == std::string::npos || slash == 0 || slash + 1 == target.size()) {
        return UsageError("assign", CliText::tr("--to takes SITE/POINT"));
    }
    auto store = OpenArchiveFor("assign");
    if (store == nullptr) {
        return kExitFailed;
    }
    std::string error;
    const auto point = archive::FindPoint(*store, target.substr(0, slash), target.substr(slash + 1), error);
    if (!point || !archive::Assign(*store, ids, point->id, error)) {
        return CommandFailed("assign", texts::ArchiveProblemText(error));
    }
    const int count = static_cast<int>(ids.size());
    Confirm(CliText::tr("%n result(s) assigned to %1/%2", nullptr, count)
                .arg(Given(point->siteName), Given(point->fields.name)));
    return kExitOk;
}

const CommandRegistrar kAssignRegistrar(
    {"assign",
     "Assigns the results (ids as \"history\" prints them) to a site's test point, replacing any earlier "
     "assignment; nothing is assigned when one of them is unknown. The last \"/\" separates the site from "
     "the "
     "point.",
     {{{"assign",
        {"RESULT_ID..."},
        {{"to", "SITE/POINT", "The test point, after its site's name.", Presence::Required}}},
       Assign}}});

}  // namespace
}  // namespace terrovane::cli
