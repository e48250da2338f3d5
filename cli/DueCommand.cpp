// terrovane-cli due: when each test point is to be measured again, overdue points first.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "Due.h"
#include "DueSoonListing.h"
#include "Json.h"
#include "ResultListing.h"
#include "ResultsOutput.h"

namespace terrovane::cli {
namespace {

std::string DueJson(const std::vector<archive::DuePoint>& points) {
    const auto text = [](const std::string& value) {
        return value.empty() ? numbers::Json(nullptr) : numbers::Json(value);
    };
    numbers::Json array = numbers::Json::array();
    for (const archive::DuePoint& p : points)
        array.push_back({{"site", p.site},
                         {"point", p.name},
                         {"last_tested", text(p.lastTested)},
                         {"failed_since", p.failedSince},
                         {"interval_months", p.intervalMonths ? numbers::Json(*p.intervalMonths) : nullptr},
                         {"due", text(p.dueOn)},
                         {"overdue", p.overdue}});
    return numbers::JsonLines(array);
}

std::string Table(const std::vector<archive::DuePoint>& points) {
    std::vector<std::vector<std::string>> rows = {{"SITE", "POINT", "LAST TEST", "INTERVAL", "DUE", ""}};
    for (const archive::DuePoint& p : points) {
        // A failed reading newer than the last test is no test, but it is said.
        const std::string failed =
            p.failedSince > 0 ? " (then " + std::to_string(p.failedSince) + " failed)" : "";
        rows.push_back({p.site, p.name, (p.lastTested.empty() ? "never" : p.lastTested) + failed,
                        p.intervalMonths ? std::to_string(*p.intervalMonths) + " months" : "-",
                        p.dueOn.empty() ? (p.overdue ? "now" : "-") : p.dueOn, p.overdue ? "OVERDUE" : ""});
    }
    return AlignedTable(rows);
}

int List(const ParsedArguments& options) {
    const std::string format = options.Has("format") ? options.Value("format") : "table";
    if (options.Has("within") || (format != "table" && format != "json")) {
        return ListDueSoon(options);
    }
    auto store = OpenArchiveFor("due");
    if (store == nullptr) {
        return kExitFailed;
    }
    const archive::Result<std::vector<archive::DuePoint>> points =
        archive::DueList(*store, archive::Today(), 0);
    if (!points) {
        return CommandFailed("due", texts::FailureText(points.Error()));
    }
    return PrintText(format == "json" ? DueJson(points.Value()) : Table(points.Value())) ? kExitOk
                                                                                         : kExitFailed;
}

const CommandRegistrar kDueRegistrar(
    {"due",
     "Lists every test point with its last test date, re-test interval (its own or its site's) and due date: "
     "the last test is the newest result that measured (failed readings newer than it are counted beside it, "
     "\"failed_since\" in JSON, and never move the due date); overdue points first (a point with an interval "
     "that was never tested is due now), points without an "
     "interval last. "
     "With --within DAYS, only the points overdue or due within that many days from today, each with its "
     "last result and verdict; csv and ics (an all-day iCalendar event per point on its due date, for the "
     "team's calendars) list those, or every point without --within.",
     {{{"due",
        {},
        {{"format", "table|csv|json|ics", "The listing's format; table by default."},
         {"within", "DAYS", "Only the points overdue or due within DAYS days from today."}}},
       List}}});

}  // namespace
}  // namespace terrovane::cli
