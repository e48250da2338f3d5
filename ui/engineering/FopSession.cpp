#include "FopSession.h"

#include <cmath>
#include <cstdio>

#include "RecordTexts.h"

namespace terrovane::engineering {
namespace {

std::string Fixed(double value, int decimals) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// Three significant digits at least, as the instrument shows resistances.
std::string Ohms(double value) {
    const int decimals = value >= 100 ? 1 : value >= 10 ? 2 : 3;
    return Fixed(value, decimals) + " ohm";
}

}  // namespace

std::vector<FopResult> FopResultsOf(const std::vector<archive::ResultRow>& rows,
                                    std::vector<std::string>& notes) {
    std::vector<FopResult> results;
    int otherModes = 0;
    for (const archive::ResultRow& row : rows) {
        const auto record = record::MeasurementRecord::FromPacket(row.packet);
        if (record.mode != 1 && record.mode != 2) {
            ++otherModes;
            continue;
        }
        const double re = record.values[record::kRe];
        if (!(re > 0) || !std::isfinite(re)) {
            notes.push_back("result " + std::to_string(row.id) +
                            " has no valid earth resistance and is left out");
            continue;
        }
        results.push_back(
            {row.id, format::FormatRecordDate(record) + " " + format::FormatRecordTime(record), re});
    }
    if (otherModes > 0)
        notes.insert(notes.begin(), std::to_string(otherModes) +
                                        (otherModes == 1 ? " result is" : " results are") +
                                        " no 3-pole or 4-pole earth resistance and left out");
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

std::vector<std::string> FopSummary(const analysis::FopAnalysis& analysis) {
    if (!analysis.Ok())
        return {analysis.error};
    std::vector<std::string> lines = {"Resistance at 61.8 % of D: " + Ohms(analysis.resistanceAt618)};
    if (analysis.plateau)
        lines.push_back(std::string("Plateau: ") + (*analysis.plateau ? "yes" : "no") + ", spread " +
                        Fixed(analysis.plateauSpreadPercent, 1) + " % (tolerance " +
                        Fixed(analysis::kPlateauTolerancePercent, 0) + " %)");
    if (analysis.slope)
        lines.push_back("Slope method: mu " + Fixed(analysis.slope->mu, 3) + ", Pt/C " +
                        Fixed(analysis.slope->ptOverC, 3) + ", resistance " +
                        Ohms(analysis.slope->resistance));
    for (const std::string& note : analysis.notes)
        lines.push_back(note);
    return lines;
}

}  // namespace terrovane::engineering
