#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "ReportFront.h"
#include "ResultMethod.h"
#include "ResultView.h"
#include "SiteReportAnalyses.h"
#include "SiteTypes.h"

namespace terrovane::sitereport {

// One result as the report prints it.
struct ReportedResult {
    archive::ResultView view;
    std::string value;      // the mode's main value with its unit, "12.5 Ω"
    std::string frequency;  // test frequency and voltage as the instrument shows them, "" where none
    std::string voltage;
    std::string jamming;
    bool measured = true;               // false: a failed reading, an attempt that tested nothing
    archive::ResultMethod method;       // how it was measured; method.typed for one typed by hand or imported
    std::string typedBy;                // who typed it, for a typed result
    std::string measuredBy;             // who measured it, as typed
    std::string typedInstrument;        // the instrument it was measured with, as typed
    std::optional<std::int64_t> visit;  // the visit it is assigned to, unset when none
};

// A photo chosen for the report, printed with its caption after its point's results.
struct ReportPhoto {
    std::string caption;
    std::string name;   // the file's name, printed where there is no caption
    std::string bytes;  // JPEG or PNG
};

struct PointSection {
    archive::PointRow point;
    // In the date range: first the newest that measured (the point's standing), then the newer attempts
    // that measured nothing, then the earlier results, newest first. All attempts when none measured.
    std::vector<ReportedResult> results;
    bool tested = false;  // the first result measured
    int failedSince = 0;  // the attempts after the first that are newer than it
    std::string due;      // YYYY-MM-DD when it is to be measured again; empty without an interval or test
    std::vector<ReportPhoto> photos;
};

// What the report is about: the site, who tested, the range, and every point of the site.
struct SiteReport {
    archive::SiteRow site;
    std::string since;  // YYYY-MM-DD or empty: no bound
    std::string until;
    std::string tester;
    std::string instrument;  // the instrument's serial as the user gave it; it is not in the read-out
    std::string version;     // the program's, for the footer
    std::vector<PointSection> points;
    StoredAnalyses analyses;  // printed on pages of their own after the results
    ReportFront front;        // the firm, the number, the visits and the signatures
};

struct Summary {
    int passed = 0;
    int failed = 0;
    int withoutLimit = 0;  // latest result that measured judged "none"
    int untested = 0;      // no result in the range that measured
};

// The site named `site` and its points with their results measured in [since, until] (empty: no bound).
bool LoadSiteReport(archive::Archive& archive, const std::string& site, const std::string& since,
                    const std::string& until, const archive::ValidityThresholds& thresholds, SiteReport& out,
                    std::string& error);

// Counts the verdicts of each point's newest result that measured.
Summary Summarise(const SiteReport& report);
// "3 passed, 1 failed, 2 without limit, 1 not tested".
std::string SummaryLine(const Summary& summary);
// The same in the running language, for the report's pages and the windows.
QString SummaryText(const Summary& summary);

// How many earlier results a point's block lists; more are counted in one further line.
inline constexpr std::size_t kEarlierShown = 6;
// The first block of each page when blocks of the given heights are laid out on pages of `firstPageLines`
// (the first, below the site block) and `pageLines` of height (any one unit: the pages use tenths of a
// millimetre, as rows whose cells wrap are taller); a block never straddles two pages unless it is longer
// than a page.
std::vector<std::size_t> PageStarts(const std::vector<int>& blockLines, int firstPageLines, int pageLines);

}  // namespace terrovane::sitereport
