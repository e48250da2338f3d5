// terrovane-cli team conflicts: the fields changed in two places, each side's value, who and when.
#include "TeamConflicts.h"

#include <cstdio>
#include <ctime>

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "CliText.h"
#include "Conflicts.h"
#include "Json.h"
#include "Numbers.h"
#include "ResultListing.h"

namespace terrovane::cli {
namespace {

// "2026-12-09T10:15:00.123Z" of a stamp's milliseconds; the stamp itself when it is none.
std::string StampTime(const std::string& stamp) {
    const std::string millis = stamp.substr(0, stamp.find('-'));
    if (millis.size() != 15 || millis.find_first_not_of("0123456789") != std::string::npos) {
        return stamp;
    }
    const long long value = numbers::ParseInteger(millis).value_or(0);
    const std::time_t seconds = static_cast<std::time_t>(value / 1000);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// A side's value as the archive keeps it: JSON text, which goes in as the value it stands for.
numbers::Json Side(const std::string& value, const std::string& stamp, const std::string& by) {
    numbers::Json parsed = numbers::Json::parse(value, nullptr, false);
    return {{"value", parsed.is_discarded() ? numbers::Json(value) : std::move(parsed)},
            {"stamp", stamp},
            {"at", StampTime(stamp)},
            {"by", by}};
}

std::string ConflictsJson(const std::vector<sync::Conflict>& conflicts) {
    numbers::Json json = numbers::Json::array();
    for (const sync::Conflict& c : conflicts)
        json.push_back({{"id", c.id},
                        {"kind", c.kind},
                        {"uuid", c.uuid},
                        {"name", c.thing},
                        {"field", c.field},
                        {"kept", Side(c.keptValue, c.keptStamp, c.keptBy)},
                        {"lost", Side(c.lostValue, c.lostStamp, c.lostBy)}});
    return numbers::JsonLines(json);
}

std::string Table(const std::vector<sync::Conflict>& conflicts) {
    std::vector<std::vector<std::string>> rows = {
        {"ID", "KIND", "NAME", "FIELD", "KEPT", "BY", "AT", "LOST", "BY", "AT"}};
    for (const sync::Conflict& c : conflicts) {
        rows.push_back({std::to_string(c.id), c.kind, c.thing.empty() ? c.uuid : c.thing, c.field,
                        c.keptValue, c.keptBy, StampTime(c.keptStamp), c.lostValue, c.lostBy,
                        StampTime(c.lostStamp)});
    }
    return AlignedTable(rows);
}

}  // namespace

int ListTeamConflicts(const ParsedArguments& options) {
    const std::string format = options.Has("format") ? options.Value("format") : "table";
    if (format != "table" && format != "json") {
        return UsageError("team", CliText::tr("--format is table or json"));
    }
    auto store = OpenArchiveFor("team conflicts");
    if (store == nullptr) {
        return kExitFailed;
    }
    const archive::Result<std::vector<sync::Conflict>> conflicts = sync::ListConflicts(*store);
    if (!conflicts) {
        return CommandFailed("team conflicts", texts::FailureText(conflicts.Error()));
    }
    return PrintText(format == "json" ? ConflictsJson(conflicts.Value()) : Table(conflicts.Value()))
               ? kExitOk
               : kExitFailed;
}

int ResolveTeamConflict(const ParsedArguments& options) {
    const std::optional<int> id = WholeNumber(options.positionals[0], 1, 2147483647);
    if (!id) {
        return UsageError("team", CliText::tr("a conflict's ID is a whole number from \"team conflicts\""));
    }
    const std::string keep = options.Value("keep");
    if (keep != "kept" && keep != "lost") {
        return UsageError("team", CliText::tr("--keep is kept or lost"));
    }
    auto store = OpenArchiveFor("team conflicts resolve");
    if (store == nullptr) {
        return kExitFailed;
    }
    const archive::Status resolved =
        sync::ResolveConflict(*store, *id, keep == "kept" ? sync::Keep::Kept : sync::Keep::Lost);
    if (!resolved) {
        return CommandFailed("team conflicts resolve",
                             resolved.Error().code == archive::ErrorCode::NoSuchItem
                                 ? CliText::tr("there is no open conflict %1").arg(*id)
                                 : texts::FailureText(resolved.Error()));
    }
    Confirm(keep == "kept"
                ? CliText::tr("conflict %1 resolved: the kept value stays").arg(*id)
                : CliText::tr("conflict %1 resolved: the lost value is back and goes with the next sync")
                      .arg(*id));
    return kExitOk;
}

}  // namespace terrovane::cli
