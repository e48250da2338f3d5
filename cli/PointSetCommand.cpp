// terrovane-cli point set: the options of "point add" applied to an existing test point.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "LimitOptions.h"
#include "SiteCommands.h"
#include "Sites.h"

namespace terrovane::cli {
namespace {

std::string KindWords() {
    std::string words;
    for (const archive::PointKind kind : archive::PointKinds()) {
        words += (words.empty() ? "" : ", ") + std::string(archive::PointKindWord(kind));
    }
    return words;
}

int Set(const ParsedArguments& options) {
    auto store = OpenArchiveFor("point set");
    if (store == nullptr) {
        return kExitFailed;
    }
    std::string error;
    const auto point = archive::FindPoint(*store, options.positionals[0], options.positionals[1], error);
    if (!point) {
        return CommandFailed("point set", texts::ArchiveProblemText(error));
    }
    archive::PointFields fields = point->fields;
    if (!ParsePointOptions(options, fields)) {
        return kExitUsage;
    }
    if (!archive::UpdatePoint(*store, point->id, fields, error)) {
        return CommandFailed("point set", texts::ArchiveProblemText(error));
    }
    Confirm(CliText::tr("test point %1 of %2 changed").arg(Given(fields.name), Given(point->siteName)));
    return kExitOk;
}

}  // namespace

std::vector<DeclaredOption> PointOptions() {
    return {{"kind", "KIND", "rod, grid, mesh, tower-leg, down-conductor or other (the default)."},
            LimitOption(),
            IntervalOption()};
}

bool ParsePointOptions(const ParsedArguments& options, archive::PointFields& fields) {
    if (options.Has("kind")) {
        const auto kind = archive::ParsePointKind(options.Value("kind"));
        if (!kind) {
            UsageError("point", CliText::tr("--kind is one of %1").arg(Given(KindWords())));
            return false;
        }
        fields.kind = *kind;
    }
    return ParseLimitOptions("point", options, fields.limit, fields.intervalMonths);
}

CommandForm PointSetForm() {
    return {{"point set", {"SITE", "POINT"}, PointOptions()}, Set};
}

}  // namespace terrovane::cli
