#include "FopSession.h"

#include <QCoreApplication>
#include "Mode.h"
#include "NoteTexts.h"
#include "Reading.h"
#include "RecordTexts.h"

namespace terrovane::engineering {

std::vector<FopResult> FopResultsOf(const std::vector<archive::ResultRow>& rows,
                                    std::vector<std::string>& notes,
                                    const archive::ValidityThresholds& thresholds) {
    std::vector<FopResult> results;
    int otherModes = 0;
    for (const archive::ResultRow& row : rows) {
        const auto record = record::MeasurementRecord::FromPacket(row.packet);
        if (!record::IsStakeMethod(record::ModeOf(record))) {
            ++otherModes;
            continue;
        }
        const analysis::SourcedRecord sourced{
            analysis::ArchivedSource(static_cast<std::size_t>(row.slot), format::FormatRecordDate(record)),
            record, archive::ValidityNotes(record, thresholds)};
        if (const std::string why = analysis::WhyLeftOut(format::Quantity::Re, sourced); !why.empty()) {
            notes.push_back(why);
            continue;
        }
        results.push_back({row.id, format::FormatRecordDate(record) + " " + format::FormatRecordTime(record),
                           format::ReadingOf(format::Quantity::Re, &record).value});
    }
    if (otherModes > 0)
        notes.insert(notes.begin(),
                     QCoreApplication::translate(
                         "FopWindow", "%n result(s) are no 3-pole or 4-pole earth resistance and left out",
                         nullptr, otherModes)
                         .toStdString());
    return results;
}

std::vector<analysis::FopReading> FopReadingsOf(const std::vector<FopResult>& results,
                                                const std::vector<double>& distances) {
    std::vector<analysis::FopReading> readings;
    for (std::size_t i = 0; i < results.size() && i < distances.size(); ++i)
        readings.push_back({distances[i], results[i].resistance});
    return readings;
}

archive::StoredFopCurve StoredCurveOf(const std::vector<FopResult>& results,
                                      const std::vector<double>& distances, double currentProbe,
                                      std::int64_t point) {
    archive::StoredFopCurve curve;
    curve.point = point;
    curve.currentProbe = currentProbe;
    for (std::size_t i = 0; i < results.size() && i < distances.size(); ++i)
        curve.readings.push_back({distances[i], results[i].resistance, results[i].id});
    return curve;
}

std::vector<analysis::FopReading> ReadingsOf(const archive::StoredFopCurve& curve) {
    std::vector<analysis::FopReading> readings;
    for (const archive::StoredFopReading& reading : curve.readings)
        readings.push_back({reading.distance, reading.resistance});
    return readings;
}

}  // namespace terrovane::engineering
