#include "DueSoonListing.h"

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "DueFiles.h"
#include "Numbers.h"
#include "ResultListing.h"

namespace terrovane::cli {
namespace {

// Ten years ahead is far beyond any re-test interval, and keeps the last day a four-digit year.
constexpr long long kMostDays = 3660;

std::string Table(const std::vector<archive::DueEntry>& entries) {
    std::vector<std::vector<std::string>> rows = {
        {"SITE", "POINT", "LAST TEST", "LAST RESULT", "VERDICT", "DUE", ""}};
    for (const archive::DueEntry& entry : entries) {
        const archive::DuePoint& p = entry.due;
        const std::string failed =
            p.failedSince > 0 ? " (then " + std::to_string(p.failedSince) + " failed)" : "";
        rows.push_back({p.site, p.name, (p.lastTested.empty() ? "never" : p.lastTested) + failed,
                        entry.lastResult.empty() ? "-" : entry.lastResult,
                        p.lastResult == 0 ? "-" : archive::VerdictWord(entry.verdict),
                        p.dueOn.empty() ? (p.overdue ? "now" : "-") : p.dueOn, p.overdue ? "OVERDUE" : ""});
    }
    return AlignedTable(rows);
}

}  // namespace

int ListDueSoon(const ParsedArguments& options) {
    const std::string format = options.Value("format", "table");
    if (format != "table" && format != "csv" && format != "json" && format != "ics") {
        return UsageError("due", CliText::tr("--format is table, csv, json or ics"));
    }
    std::optional<int> within;
    if (options.Has("within")) {
        const auto days = numbers::ParseInteger(options.Value("within"));
        if (!days || *days < 0 || *days > kMostDays) {
            return UsageError("due", CliText::tr("--within is a number of days from 0 to %1").arg(kMostDays));
        }
        within = static_cast<int>(*days);
    }
    auto store = OpenArchiveFor("due");
    if (store == nullptr) {
        return kExitFailed;
    }
    const std::string today = archive::Today();
    const archive::Result<std::vector<archive::DueEntry>> due = archive::DueSoon(*store, today, within);
    if (!due) {
        return CommandFailed("due", texts::FailureText(due.Error()));
    }
    const std::vector<archive::DueEntry>& entries = due.Value();
    const std::string text = format == "csv"    ? archive::DueCsv(entries)
                             : format == "json" ? archive::DueJson(entries)
                             : format == "ics"  ? archive::DueCalendar(entries, today, archive::UtcStamp())
                                                : Table(entries);
    return PrintText(text) ? kExitOk : kExitFailed;
}

}  // namespace terrovane::cli
