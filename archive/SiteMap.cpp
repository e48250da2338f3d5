#include "SiteMap.h"

#include <map>

#include "DueSoon.h"
#include "Sites.h"

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

bool MapSites(Archive& archive, const std::string& today, SitesMap& out, std::string& error) {
    std::vector<SiteRow> sites;
    std::vector<DueEntry> points;
    const bool read = archive.Read(
        [&](Database&, std::string& failure) {
            return Sites(archive, sites, failure) && DueSoon(archive, today, std::nullopt, points, failure);
        },
        error);
    if (!read) {
        return false;
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
    out = std::move(map);
    return true;
}

}  // namespace terrovane::archive
