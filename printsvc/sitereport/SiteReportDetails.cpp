#include "SiteReportDetails.h"

#include <algorithm>
#include <map>
#include <set>

#include "Attachments.h"
#include "Due.h"
#include "FopCurves.h"
#include "ReportPhotos.h"
#include "TypedVerdict.h"

namespace terrovane::sitereport {
namespace {

// The main value alone, "4.2 Ω" or "> 300 kΩ", as a read-out's value column shows it.
std::string TypedMainText(const archive::TypedResultFields& fields) {
    const archive::TypedValue* main = archive::MainValue(fields);
    if (main == nullptr) {
        return "-";
    }
    const std::string text = archive::TypedValueText(*main);
    const std::string shown = text.substr(text.find_first_of("=>") + 1);
    return main->overRange ? "> " + shown : shown;
}

ReportedResult TypedReported(const archive::TypedResultVersion& version,
                             const archive::ValidityThresholds& thresholds) {
    ReportedResult result;
    archive::ResultView& view = result.view;
    view.id = version.id;
    view.date = version.date;
    view.time = version.time;
    view.modeName = version.fields.method;
    view.note = version.fields.note;
    view.site = version.site;
    view.point = version.pointName;
    view.limit = version.limit;
    view.verdict = archive::JudgeTyped(version.fields, version.limit);
    result.value = TypedMainText(version.fields);
    result.method = archive::MethodOf(version.fields, thresholds);
    result.typedBy = version.fields.typedBy;
    result.measuredBy = version.fields.measuredBy;
    result.typedInstrument = version.fields.instrument;
    return result;
}

// The owners a point's photos may hang on: the point itself and each of its results in the report.
std::vector<archive::AttachmentOwner> PhotoOwners(const PointSection& section) {
    std::vector<archive::AttachmentOwner> owners = {{archive::AttachedTo::Point, section.point.id}};
    for (const ReportedResult& result : section.results) {
        if (result.view.id) {
            owners.push_back(
                {result.method.typed ? archive::AttachedTo::TypedResult : archive::AttachedTo::Result,
                 *result.view.id});
        }
    }
    return owners;
}

bool AddChosenOf(archive::Archive& archive, const archive::AttachmentOwner& owner,
                 const std::set<std::int64_t>& chosen, std::set<std::int64_t>& taken, PointSection& section,
                 std::string& error) {
    const auto rows = archive::Attachments(archive, owner);
    if (!rows) {
        error = rows.Error().Text();
        return false;
    }
    for (const archive::AttachmentRow& row : rows.Value()) {
        if (row.kind == archive::AttachmentKind::Pdf || chosen.count(row.id) == 0 ||
            !taken.insert(row.id).second) {
            continue;
        }
        const auto bytes = archive::AttachmentBytes(archive, row.id);
        if (!bytes) {
            error = bytes.Error().Text();
            return false;
        }
        section.photos.push_back({row.caption, row.name, bytes.Value()});
    }
    return true;
}

}  // namespace

bool AddReportPhotos(archive::Archive& archive, SiteReport& report, std::string& error) {
    const auto chosen = archive::ChosenForReport(archive);
    if (!chosen) {
        error = chosen.Error().Text();
        return false;
    }
    if (chosen.Value().empty()) {
        return true;
    }
    std::set<std::int64_t> taken;
    for (PointSection& section : report.points) {
        for (const archive::AttachmentOwner& owner : PhotoOwners(section)) {
            if (!AddChosenOf(archive, owner, chosen.Value(), taken, section, error)) {
                return false;
            }
        }
    }
    return true;
}

bool AddTypedResults(archive::Archive& archive, const archive::ResultFilter& filter,
                     const archive::ValidityThresholds& thresholds, SiteReport& report,
                     std::vector<std::vector<archive::Attempt>>& attempts, std::string& error) {
    const auto typed = archive::TypedResults(archive, filter);
    if (!typed) {
        error = typed.Error().Text();
        return false;
    }
    for (const archive::TypedResultVersion& version : typed.Value()) {
        const auto section = std::find_if(
            report.points.begin(), report.points.end(),
            [&](const PointSection& each) { return version.point && each.point.id == *version.point; });
        if (section == report.points.end()) {
            continue;
        }
        section->results.push_back(TypedReported(version, thresholds));
        // A typed result always carries its main value: it measured.
        attempts[static_cast<std::size_t>(section - report.points.begin())].push_back(
            {version.date, version.time, version.id, true});
    }
    return true;
}

bool AddProbeDistances(archive::Archive& archive, SiteReport& report, std::string& error) {
    for (PointSection& section : report.points) {
        const archive::Result<std::vector<archive::StoredFopCurve>> curves =
            archive::FopCurves(archive, section.point.id);
        if (!curves) {
            error = curves.Error().Text();
            return false;
        }
        // Newest curve first: a result on two curves takes the newer one's distances.
        std::map<std::int64_t, std::pair<double, double>> distances;
        for (const archive::StoredFopCurve& curve : curves.Value()) {
            for (const archive::StoredFopReading& reading : curve.readings) {
                if (reading.result) {
                    distances.emplace(*reading.result, std::pair{curve.currentProbe, reading.distance});
                }
            }
        }
        for (ReportedResult& result : section.results) {
            const auto found =
                result.method.typed || !result.view.id ? distances.end() : distances.find(*result.view.id);
            if (found != distances.end()) {
                result.method.currentProbe = found->second.first;
                result.method.potentialProbe = found->second.second;
            }
        }
    }
    return true;
}

bool AddDueDates(archive::Archive& archive, SiteReport& report, std::string& error) {
    const archive::Result<std::vector<archive::DuePoint>> list =
        archive::DueList(archive, archive::Today(), report.site.id);
    if (!list) {
        error = list.Error().Text();
        return false;
    }
    const std::vector<archive::DuePoint>& due = list.Value();
    for (PointSection& section : report.points) {
        const auto found = std::find_if(due.begin(), due.end(), [&](const archive::DuePoint& each) {
            return each.point == section.point.id;
        });
        if (found != due.end()) {
            section.due = found->dueOn;
        }
    }
    return true;
}

}  // namespace terrovane::sitereport
