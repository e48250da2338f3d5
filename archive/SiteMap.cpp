#include "SiteMap.h"

#include <map>

#include "DueSoon.h"
#include "Sites.h"
#include "Transaction.h"

namespace terrovane::archive {
namespace {

// How the points of one site stand, gathered point by point.
struct Tally {
    bool failed = false;
    bool untested = false;
    bool unjudged = false;
    int points = 0;
    std::string due;
    bool overdue = false;

    void Add(const DueEntry& entry) {
        ++points;
        failed = failed || entry.verdict == Verdict::Fail;
        untested = untested || entry.due.lastResult == 0;
        unjudged = unjudged || (entry.due.lastResult != 0 && entry.verdict == Verdict::None);
        overdue = overdue || entry.due.overdue;
        if (!entry.due.dueOn.empty() && (due.empty() || entry.due.dueOn < due)) {
            due = entry.due.dueOn;
        }
    }
    const char* Verdict() const {
        return failed ? "fail" : untested || points == 0 ? "untested" : unjudged ? "none" : "pass";
    }
};

}  // namespace

Result<SitesMap> MapSites(Archive& archive, const std::string& today) {
    std::vector<SiteRow> sites;
    std::vector<DueEntry> points;
    const Status read = archive.Run(Archive::Access::Read, [&](Database&) -> Status {
        // Every site is read, none asked for by its id: only the library itself can fail here.
        if (std::string error; !Sites(archive, sites, error)) {
            return LibraryFailure(error);
        }
        Result<std::vector<DueEntry>> due = DueSoon(archive, today, std::nullopt);
        if (!due) {
            return due.Error();
        }
        points = std::move(due).Value();
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    std::map<std::string, Tally> tallies;  // by site name, which is unique
    for (const DueEntry& point : points) {
        tallies[point.due.site].Add(point);
    }
    SitesMap map;
    for (SiteRow& site : sites) {
        if (!site.fields.latitude || !site.fields.longitude) {
            ++map.leftOut;
            continue;
        }
        const Tally& tally = tallies[site.fields.name];
        map.placed.push_back({std::move(site), tally.Verdict(), tally.due, tally.overdue});
    }
    return map;
}

}  // namespace terrovane::archive
