#include <algorithm>

#include "CellText.h"
#include "PointStanding.h"
#include "Reading.h"
#include "ReportVisits.h"
#include "ResultWords.h"
#include "SiteReport.h"
#include "SiteReportDetails.h"

#include "Firm.h"
#include "Sites.h"

namespace terrovane::sitereport {
namespace {

const char* UnitOf(format::Quantity quantity) {
    switch (quantity) {
        case format::Quantity::Resistivity:
            return " Ωm";
        case format::Quantity::Iac:
            return " A";
        default:
            return " Ω";
    }
}

ReportedResult Reported(const archive::ResultRow& row, const archive::ValidityThresholds& thresholds) {
    const auto record = record::MeasurementRecord::FromPacket(row.packet);
    ReportedResult result;
    result.view = archive::DescribeResult(row, thresholds);
    result.measured = archive::Measured(record);
    result.method = archive::MethodOf(record, thresholds);
    if (const auto quantity = archive::MainQuantity(record.mode)) {
        const format::Reading reading = format::ReadingOf(*quantity, &record);
        const std::string text = format::FormatCellText(*quantity, &record);
        result.value = reading.IsOverRange() ? format::OverRangeText(*quantity, reading)
                       : text.empty()        ? "-"
                                             : text + UnitOf(*quantity);
    }
    // A code prints as the instrument's text alone ("AFE"), a number with its unit.
    const auto cell = [&](format::Quantity quantity, const char* unit) {
        const std::string text = format::FormatCellText(quantity, &record);
        const bool code = format::ReadingOf(quantity, &record).code != nullptr;
        return text.empty() || code ? text : text + unit;
    };
    result.frequency = cell(format::Quantity::TestFrequency, " Hz");
    result.voltage = cell(format::Quantity::TestVoltage, " V");
    result.jamming = cell(format::Quantity::JammingVoltage, " V");
    return result;
}

// Puts the point's standing first: its newest result that measured, then the attempts newer than it that
// failed, then the rest as they came (newest first).
void OrderByStanding(PointSection& section, const std::vector<archive::Attempt>& attempts) {
    const archive::Standing standing = archive::StandingOf(attempts);
    section.failedSince = standing.failedSince;
    section.tested = standing.latest.has_value();
    if (!standing.latest) {
        return;
    }
    const archive::Attempt& latest = attempts[*standing.latest];
    std::vector<ReportedResult> ordered = {section.results[*standing.latest]};
    for (std::size_t i = 0; i < attempts.size(); ++i) {
        if (!attempts[i].measured && archive::Newer(attempts[i], latest)) {
            ordered.push_back(section.results[i]);
        }
    }
    for (std::size_t i = 0; i < attempts.size(); ++i) {
        if (i != *standing.latest && (attempts[i].measured || !archive::Newer(attempts[i], latest))) {
            ordered.push_back(section.results[i]);
        }
    }
    section.results = std::move(ordered);
}

}  // namespace

namespace {

bool LoadInSnapshot(archive::Archive& archive, const std::string& site, const std::string& since,
                    const std::string& until, const archive::ValidityThresholds& thresholds, SiteReport& out,
                    std::string& error) {
    const auto found = archive::FindSite(archive, site, error);
    if (!found) {
        return false;
    }
    out.site = *found;
    out.since = since;
    out.until = until;
    std::vector<archive::PointRow> points;
    if (!archive::Points(archive, found->id, points, error) ||
        !LoadStoredAnalyses(archive, found->id, points, out.analyses, error) ||
        !LoadReportVisits(archive, found->id, since, until, out.front.visits, error)) {
        return false;
    }
    archive::ResultFilter filter;
    filter.siteId = found->id;
    if (!since.empty()) {
        filter.since = since;
    }
    if (!until.empty()) {
        filter.until = until;
    }
    std::vector<archive::ResultRow> rows;
    if (!archive.Results(filter, {archive::ResultOrder::Measured, true}, -1, 0, rows, error)) {
        return false;
    }
    out.points.clear();
    for (archive::PointRow& point : points) {
        PointSection section;
        section.point = std::move(point);
        out.points.push_back(std::move(section));
    }
    std::vector<std::vector<archive::Attempt>> attempts(out.points.size());
    for (const archive::ResultRow& row : rows) {
        const auto section =
            std::find_if(out.points.begin(), out.points.end(),
                         [&](const PointSection& each) { return each.point.id == row.point; });
        if (section != out.points.end()) {
            section->results.push_back(Reported(row, thresholds));
            attempts[static_cast<std::size_t>(section - out.points.begin())].push_back(
                archive::AttemptOf(row.id, record::MeasurementRecord::FromPacket(row.packet)));
        }
    }
    if (!AddTypedResults(archive, filter, thresholds, out, attempts, error)) {
        return false;
    }
    for (std::size_t i = 0; i < out.points.size(); ++i) {
        OrderByStanding(out.points[i], attempts[i]);
    }
    if (!AddProbeDistances(archive, out, error) || !AddDueDates(archive, out, error) ||
        !AddReportPhotos(archive, out, error) || !AddVisitAssignments(archive, out, error))
        return false;
    // The firm that issues the report, for its header and title page.
    archive::Result<archive::FirmProfile> firm = archive::LoadFirm(archive);
    if (!firm) {
        error = firm.Error().Text();
        return false;
    }
    out.front.firm = std::move(firm).Value();
    return true;
}

}  // namespace

// In one snapshot: a result assigned or a point added meanwhile shows in all of the report or in none.
bool LoadSiteReport(archive::Archive& archive, const std::string& site, const std::string& since,
                    const std::string& until, const archive::ValidityThresholds& thresholds, SiteReport& out,
                    std::string& error) {
    return archive.Read(
        [&](archive::Database&, std::string& failure) {
            return LoadInSnapshot(archive, site, since, until, thresholds, out, failure);
        },
        error);
}

Summary Summarise(const SiteReport& report) {
    Summary summary;
    for (const PointSection& section : report.points) {
        if (!section.tested) {
            ++summary.untested;
            continue;
        }
        switch (section.results.front().view.verdict) {
            case archive::Verdict::Pass:
                ++summary.passed;
                break;
            case archive::Verdict::Fail:
                ++summary.failed;
                break;
            case archive::Verdict::None:
                ++summary.withoutLimit;
                break;
        }
    }
    return summary;
}

QString SummaryText(const Summary& summary) {
    return texts::VerdictCountsText({summary.passed, summary.failed, summary.withoutLimit, summary.untested});
}

std::string SummaryLine(const Summary& summary) {
    std::string line = std::to_string(summary.passed) + " passed, " + std::to_string(summary.failed) +
                       " failed, " + std::to_string(summary.withoutLimit) + " without limit";
    if (summary.untested > 0) {
        line += ", " + std::to_string(summary.untested) + " not tested";
    }
    return line;
}

}  // namespace terrovane::sitereport
