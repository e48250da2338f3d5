#include "Sounding.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "CsvNumbers.h"
#include "Mode.h"
#include "NoteTexts.h"
#include "Numbers.h"

namespace terrovane::analysis {
namespace {

// Beyond any real sounding, and far enough from the doubles' limits for the models to stay finite.
constexpr double kMinSpacing = 1e-3;
constexpr double kMaxSpacing = 1e5;
constexpr double kMinApparentResistivity = 1e-6;
constexpr double kMaxApparentResistivity = 1e12;

std::string PointNumber(std::size_t index) {
    return std::to_string(index + 1);
}

std::string Metres(double value) {
    return numbers::General(value);
}

}  // namespace

Refusal CheckSoundingReason(const Sounding& sounding) {
    for (std::size_t i = 0; i < sounding.size(); ++i) {
        const SoundingPoint& point = sounding[i];
        const std::string number = PointNumber(i);
        if (!std::isfinite(point.spacing) || !std::isfinite(point.apparentResistivity))
            return {RefusalReason::PointNotANumber, {number}};
        if (point.spacing <= 0.0)
            return {RefusalReason::SpacingNotPositive, {number}};
        if (point.apparentResistivity <= 0.0)
            return {RefusalReason::ResistivityNotPositive, {number}};
        if (point.spacing < kMinSpacing || point.spacing > kMaxSpacing)
            return {RefusalReason::SpacingOutOfRange, {number}};
        if (point.apparentResistivity < kMinApparentResistivity ||
            point.apparentResistivity > kMaxApparentResistivity)
            return {RefusalReason::ResistivityOutOfRange, {number}};
        // With MN/2 at or beyond AB/2 a potential electrode stands on or outside a current electrode.
        if (point.array == SoundingArray::Schlumberger &&
            !(std::isfinite(point.mn2) && point.mn2 > 0.0 && point.mn2 < point.spacing))
            return {RefusalReason::PotentialSpacingOutOfRange, {number, Metres(point.spacing)}};
        for (std::size_t j = 0; j < i; ++j) {
            if (sounding[j].spacing == point.spacing)
                return {RefusalReason::SpacingRepeated, {number, Metres(point.spacing), PointNumber(j)}};
        }
    }
    return {};
}

std::string CheckSounding(const Sounding& sounding) {
    return RefusalSentence(CheckSoundingReason(sounding));
}

Sounding SortedBySpacing(Sounding sounding) {
    std::stable_sort(sounding.begin(), sounding.end(),
                     [](const SoundingPoint& a, const SoundingPoint& b) { return a.spacing < b.spacing; });
    return sounding;
}

double SchlumbergerApparentResistivity(double resistance, double ab2, double mn2) {
    return std::numbers::pi * resistance * (ab2 * ab2 - mn2 * mn2) / (2.0 * mn2);
}

GatheredSounding SoundingFromRecords(const std::vector<SourcedRecord>& records) {
    GatheredSounding gathered;
    std::map<std::uint32_t, std::vector<double>> byDistance;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const record::MeasurementRecord& r = records[i].record;
        const std::string& source = records[i].source;
        if (record::ModeOf(r) != record::Mode::Resistivity)
            continue;
        if (r.integerValue == 0) {
            gathered.leftOut.push_back(Noted(kLeftOutNoDistance, {source}));
            continue;
        }
        if (const std::string why = WhyLeftOut(format::Quantity::Resistivity, records[i]); !why.empty()) {
            gathered.leftOut.push_back(why);
            continue;
        }
        const double rho = r.values[record::kResistivity];
        if (r.integerValue > 99) {
            gathered.notes.push_back(Noted(kDistanceAsStored, {source, std::to_string(r.integerValue)}));
        }
        byDistance[r.integerValue].push_back(rho);
    }
    for (const auto& [distance, values] : byDistance) {
        double logSum = 0.0;
        for (double rho : values)
            logSum += std::log(rho);
        if (values.size() > 1) {
            gathered.notes.push_back(
                Noted(kSpacingMerged, {std::to_string(values.size()), std::to_string(distance)}));
        }
        gathered.points.push_back({static_cast<double>(distance), std::exp(logSum / values.size())});
    }
    return gathered;
}

bool ParseSoundingCsv(const std::string& text, bool resistance, Sounding& sounding, std::string& error) {
    std::vector<std::pair<double, double>> rows;
    const std::string header =
        resistance ? "spacing_m,resistance_ohm" : "spacing_m,apparent_resistivity_ohm_m";
    if (!ParseTwoColumnCsv(text, header, rows, error))
        return false;
    sounding.clear();
    for (const auto& [spacing, value] : rows)
        sounding.push_back({spacing, resistance ? 2.0 * std::numbers::pi * spacing * value : value});
    return true;
}

}  // namespace terrovane::analysis
