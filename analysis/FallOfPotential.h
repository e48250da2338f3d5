#pragma once

#include <optional>
#include <string>
#include <vector>

#include "MeasuredOnly.h"
#include "Refusal.h"

namespace terrovane::analysis {

// One fall-of-potential reading: the potential probe's distance from the electrode under test in metres,
// and the resistance measured there in ohms.
struct FopReading {
    double distance = 0.0;
    double resistance = 0.0;
};

// The fraction of the current-probe distance where a small electrode's curve crosses its true resistance.
inline constexpr double kTrueFraction = 0.618;
// The plateau check compares the curve at these fractions (interpolated), every reading between them and
// the value at 61.8 %; it passes when they lie within kPlateauTolerancePercent of the 61.8 % value.
inline constexpr double kPlateauLow = 0.52;
inline constexpr double kPlateauHigh = 0.72;
inline constexpr double kPlateauTolerancePercent = 5.0;
// The slope method wants readings within this fraction of D of 0.2, 0.4 and 0.6 of D.
inline constexpr double kSlopeReadingTolerance = 0.01;

struct SlopeMethod {
    double mu = 0.0;       // (R(0.6 D) - R(0.4 D)) / (R(0.4 D) - R(0.2 D))
    double ptOverC = 0.0;  // where the true resistance is read, as a fraction of D
    double resistance = 0.0;
};

struct [[nodiscard]] FopAnalysis {
    std::string error;  // the readings were refused; nothing else is filled
    Refusal refusal;    // the same as a code, for the windows
    double resistanceAt618 = 0.0;
    std::optional<bool> plateau;  // unset when the readings do not reach 52 % and 72 % of D
    double plateauSpreadPercent = 0.0;
    std::optional<SlopeMethod> slope;
    std::vector<std::string> notes;    // the plateau's verdict and advice, why there is no slope result
    std::vector<std::string> leftOut;  // results the caller left out and why (not filled by the analysis)
    std::vector<Refusal> noteCodes;    // the notes as codes, for the windows

    bool Ok() const { return error.empty(); }
};

// Analyses a fall-of-potential curve for current-probe distance `currentProbe` (m). Refused: fewer than
// two readings, a value that is no finite number, D above 100 km, a distance not between 0 and D, a
// resistance not above 0 or above 1e12 ohm, a distance given twice, 61.8 % of D outside the readings.
// Values between readings are interpolated linearly.
FopAnalysis AnalyseFallOfPotential(std::vector<FopReading> readings, double currentProbe);

// Tagg's slope table: Pt/C for a slope coefficient mu, for mu from 0.40 to 1.59; unset outside.
std::optional<double> SlopePtOverC(double mu);

// The earth-resistance results (modes 1, 3Pole, and 2, 4Pole) among `records`, in the order given,
// paired with `distances`. A result whose Re is not a measured value (over range, invalid) or is doubtful
// is left out with its distance, and `leftOut` says why (WhyLeftOut). False with `error` when there are
// not as many results as distances.
[[nodiscard]] bool FopReadingsFromRecords(const std::vector<SourcedRecord>& records,
                                          const std::vector<double>& distances,
                                          std::vector<FopReading>& readings,
                                          std::vector<std::string>& leftOut, std::string& error);

// Reads CSV text with the header `potential_probe_m,resistance_ohm`; false with `error` naming the line.
[[nodiscard]] bool ParseFopCsv(const std::string& text, std::vector<FopReading>& readings,
                               std::string& error);

}  // namespace terrovane::analysis
