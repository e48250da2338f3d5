#include "FallOfPotential.h"

#include <algorithm>
#include <cmath>

#include "CsvNumbers.h"
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

std::string ReadingName(std::size_t index) {
    return "reading " + std::to_string(index + 1);
}

std::string CheckReadings(const std::vector<FopReading>& readings, double currentProbe) {
    if (!std::isfinite(currentProbe) || currentProbe <= 0.0 || currentProbe > kMaxDistance)
        return "the current-probe distance must be a number above 0 m and at most 100 km";
    if (readings.size() < 2)
        return "at least two readings are needed";
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const FopReading& r = readings[i];
        if (!std::isfinite(r.distance) || !std::isfinite(r.resistance))
            return ReadingName(i) + ": not a number";
        if (r.distance <= 0.0 || r.distance >= currentProbe)
            return ReadingName(i) +
                   ": the potential probe must be between the electrode and the current probe (0 to " +
                   Number(currentProbe) + " m), not at " + Number(r.distance) + " m";
        if (r.resistance <= 0.0 || r.resistance > kMaxResistance)
            return ReadingName(i) + ": the resistance must be above 0 ohm and at most 1e12 ohm";
        for (std::size_t j = 0; j < i; ++j) {
            if (readings[j].distance == r.distance)
                return ReadingName(i) + ": the distance " + Number(r.distance) + " m is already " +
                       ReadingName(j) + "'s";
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

bool HasReadingNear(const std::vector<FopReading>& sorted, double x, double tolerance) {
    return std::any_of(sorted.begin(), sorted.end(),
                       [&](const FopReading& r) { return std::fabs(r.distance - x) <= tolerance; });
}

void CheckPlateau(const std::vector<FopReading>& sorted, double d, FopAnalysis& analysis) {
    const auto low = At(sorted, kPlateauLow * d);
    const auto high = At(sorted, kPlateauHigh * d);
    if (!low || !high) {
        analysis.notes.push_back(
            "the readings do not reach from 52 % to 72 % of D: the plateau was not checked");
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
        analysis.notes.push_back(
            "the curve from 52 % to 72 % of D spreads over " + Number(analysis.plateauSpreadPercent) +
            " % (more than 5 %): the potential probe is not on a plateau; move the current probe "
            "further out and measure again");
    }
}

void ApplySlopeMethod(const std::vector<FopReading>& sorted, double d, FopAnalysis& analysis) {
    for (double fraction : {0.2, 0.4, 0.6}) {
        if (!HasReadingNear(sorted, fraction * d, kSlopeReadingTolerance * d)) {
            analysis.notes.push_back("no readings at 20 %, 40 % and 60 % of D: no slope method");
            return;
        }
    }
    const double r1 = *At(sorted, 0.2 * d);
    const double r2 = *At(sorted, 0.4 * d);
    const double r3 = *At(sorted, 0.6 * d);
    const double mu = (r3 - r2) / (r2 - r1);
    const auto ptOverC = SlopePtOverC(mu);
    if (!ptOverC) {
        analysis.notes.push_back(
            "the slope coefficient mu = " + Number(mu) +
            " lies outside the slope table (0.40 to 1.59): move the current probe further out");
        return;
    }
    const auto resistance = At(sorted, *ptOverC * d);
    if (!resistance) {
        analysis.notes.push_back("the slope method's Pt = " + Number(*ptOverC * d) +
                                 " m lies outside the readings");
        return;
    }
    analysis.slope = SlopeMethod{mu, *ptOverC, *resistance};
}

}  // namespace

FopAnalysis AnalyseFallOfPotential(std::vector<FopReading> readings, double currentProbe) {
    FopAnalysis analysis;
    analysis.error = CheckReadings(readings, currentProbe);
    if (!analysis.Ok())
        return analysis;
    std::sort(readings.begin(), readings.end(),
              [](const FopReading& a, const FopReading& b) { return a.distance < b.distance; });
    const double x618 = kTrueFraction * currentProbe;
    const auto r618 = At(readings, x618);
    if (!r618) {
        analysis.error = "61.8 % of D (" + Number(x618) + " m) lies outside the readings (" +
                         Number(readings.front().distance) + " m to " + Number(readings.back().distance) +
                         " m): add readings on both sides of it";
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
        if (r.mode != 1 && r.mode != 2)
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
