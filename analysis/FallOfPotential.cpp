#include "FallOfPotential.h"

#include <algorithm>
#include <cmath>

#include "CsvNumbers.h"
#include "Mode.h"
#include "Numbers.h"
#include "Reading.h"

namespace terrovane::analysis {
namespace {

// Far beyond any earth test, and far enough from the doubles' limits for the arithmetic to stay finite.
constexpr double kMaxDistance = 1e5;
constexpr double kMaxResistance = 1e12;

std::string Number(double value) {
    return numbers::General(value, 4);
}

std::string ReadingNumber(std::size_t index) {
    return std::to_string(index + 1);
}

Refusal CheckReadings(const std::vector<FopReading>& readings, double currentProbe) {
    if (!std::isfinite(currentProbe) || currentProbe <= 0.0 || currentProbe > kMaxDistance)
        return {RefusalReason::CurrentProbeOutOfRange, {}};
    if (readings.size() < 2)
        return {RefusalReason::TooFewReadings, {}};
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const FopReading& r = readings[i];
        const std::string number = ReadingNumber(i);
        if (!std::isfinite(r.distance) || !std::isfinite(r.resistance))
            return {RefusalReason::ReadingNotANumber, {number}};
        if (r.distance <= 0.0 || r.distance >= currentProbe)
            return {RefusalReason::ProbeOutsideSpan, {number, Number(currentProbe), Number(r.distance)}};
        if (r.resistance <= 0.0 || r.resistance > kMaxResistance)
            return {RefusalReason::ReadingResistanceOutOfRange, {number}};
        for (std::size_t j = 0; j < i; ++j) {
            if (readings[j].distance == r.distance)
                return {RefusalReason::DistanceRepeated, {number, Number(r.distance), ReadingNumber(j)}};
        }
    }
    return {};
}

// Linear interpolation over readings sorted by distance; unset outside them.
std::optional<double> At(const std::vector<FopReading>& sorted, double x) {
    if (x < sorted.front().distance || x > sorted.back().distance)
        return std::nullopt;
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        if (x <= sorted[i].distance) {
            const FopReading& a = sorted[i - 1];
            const FopReading& b = sorted[i];
            const double t = (x - a.distance) / (b.distance - a.distance);
            return a.resistance + t * (b.resistance - a.resistance);
        }
    }
    return sorted.back().resistance;
}

void Note(FopAnalysis& analysis, Refusal note) {
    analysis.notes.push_back(RefusalSentence(note));
    analysis.noteCodes.push_back(std::move(note));
}

bool HasReadingNear(const std::vector<FopReading>& sorted, double x, double tolerance) {
    return std::any_of(sorted.begin(), sorted.end(),
                       [&](const FopReading& r) { return std::fabs(r.distance - x) <= tolerance; });
}

void CheckPlateau(const std::vector<FopReading>& sorted, double d, FopAnalysis& analysis) {
    const auto low = At(sorted, kPlateauLow * d);
    const auto high = At(sorted, kPlateauHigh * d);
    if (!low || !high) {
        Note(analysis, {RefusalReason::PlateauNotChecked, {}});
        return;
    }
    double least = std::min({*low, *high, analysis.resistanceAt618});
    double most = std::max({*low, *high, analysis.resistanceAt618});
    for (const FopReading& r : sorted) {
        if (r.distance > kPlateauLow * d && r.distance < kPlateauHigh * d) {
            least = std::min(least, r.resistance);
            most = std::max(most, r.resistance);
        }
    }
    analysis.plateauSpreadPercent = 100.0 * (most - least) / analysis.resistanceAt618;
    analysis.plateau = analysis.plateauSpreadPercent <= kPlateauTolerancePercent;
    if (!*analysis.plateau) {
        Note(analysis, {RefusalReason::NoPlateau, {Number(analysis.plateauSpreadPercent)}});
    }
}

void ApplySlopeMethod(const std::vector<FopReading>& sorted, double d, FopAnalysis& analysis) {
    for (double fraction : {0.2, 0.4, 0.6}) {
        if (!HasReadingNear(sorted, fraction * d, kSlopeReadingTolerance * d)) {
            Note(analysis, {RefusalReason::NoSlopeReadings, {}});
            return;
        }
    }
    const double r1 = *At(sorted, 0.2 * d);
    const double r2 = *At(sorted, 0.4 * d);
    const double r3 = *At(sorted, 0.6 * d);
    const double mu = (r3 - r2) / (r2 - r1);
    const auto ptOverC = SlopePtOverC(mu);
    if (!ptOverC) {
        Note(analysis, {RefusalReason::SlopeOutsideTable, {Number(mu)}});
        return;
    }
    const auto resistance = At(sorted, *ptOverC * d);
    if (!resistance) {
        Note(analysis, {RefusalReason::SlopePointOutsideReadings, {Number(*ptOverC * d)}});
        return;
    }
    analysis.slope = SlopeMethod{mu, *ptOverC, *resistance};
}

}  // namespace

FopAnalysis AnalyseFallOfPotential(std::vector<FopReading> readings, double currentProbe) {
    FopAnalysis analysis;
    analysis.refusal = CheckReadings(readings, currentProbe);
    analysis.error = RefusalSentence(analysis.refusal);
    if (!analysis.Ok())
        return analysis;
    std::sort(readings.begin(), readings.end(),
              [](const FopReading& a, const FopReading& b) { return a.distance < b.distance; });
    const double x618 = kTrueFraction * currentProbe;
    const auto r618 = At(readings, x618);
    if (!r618) {
        analysis.refusal = {
            RefusalReason::CentreOutsideReadings,
            {Number(x618), Number(readings.front().distance), Number(readings.back().distance)}};
        analysis.error = RefusalSentence(analysis.refusal);
        return analysis;
    }
    analysis.resistanceAt618 = *r618;
    CheckPlateau(readings, currentProbe, analysis);
    ApplySlopeMethod(readings, currentProbe, analysis);
    return analysis;
}

bool FopReadingsFromRecords(const std::vector<SourcedRecord>& records, const std::vector<double>& distances,
                            std::vector<FopReading>& readings, std::vector<std::string>& leftOut,
                            std::string& error) {
    readings.clear();
    std::size_t next = 0;
    std::size_t results = 0;
    for (const SourcedRecord& sourced : records) {
        const record::MeasurementRecord& r = sourced.record;
        if (!record::IsStakeMethod(record::ModeOf(r)))
            continue;
        ++results;
        if (next >= distances.size())
            continue;
        const double distance = distances[next++];
        // The distance belongs to this result: a result left out takes its distance with it.
        if (const std::string why = WhyLeftOut(format::Quantity::Re, sourced); !why.empty())
            leftOut.push_back(why);
        else
            readings.push_back({distance, format::ReadingOf(format::Quantity::Re, &r).value});
    }
    if (results != distances.size()) {
        error = std::to_string(distances.size()) + " distances given for " + std::to_string(results) +
                " earth-resistance results (3Pole, 4Pole)";
        return false;
    }
    return true;
}

bool ParseFopCsv(const std::string& text, std::vector<FopReading>& readings, std::string& error) {
    std::vector<std::pair<double, double>> rows;
    if (!ParseTwoColumnCsv(text, "potential_probe_m,resistance_ohm", rows, error))
        return false;
    readings.clear();
    for (const auto& [distance, resistance] : rows)
        readings.push_back({distance, resistance});
    return true;
}

}  // namespace terrovane::analysis
