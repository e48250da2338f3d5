#pragma once

#include <string>
#include <vector>

namespace terrovane::analysis {

// Why a sounding or a fall-of-potential curve was refused (or what is to be noted about an accepted curve),
// as a code with what varies (numbers already
// written with a decimal point, one-based point numbers): the windows say it in their language, the
// command line and the files in English (RefusalSentence).
enum class RefusalReason {
    None,
    PointNotANumber,              // point
    SpacingNotPositive,           // point
    ResistivityNotPositive,       // point
    SpacingOutOfRange,            // point
    ResistivityOutOfRange,        // point
    SpacingRepeated,              // point, spacing (m), earlier point
    PotentialSpacingOutOfRange,   // point, AB/2 (m): a Schlumberger MN/2 not above 0 and below AB/2
    LayerCountOutOfRange,         // the largest count
    TooFewPoints,                 // layers, parameters, points
    CurrentProbeOutOfRange,       //
    TooFewReadings,               //
    ReadingNotANumber,            // reading
    ProbeOutsideSpan,             // reading, current probe (m), its distance (m)
    ReadingResistanceOutOfRange,  // reading
    DistanceRepeated,             // reading, distance (m), earlier reading
    CentreOutsideReadings,        // 61.8 % of D (m), first distance (m), last distance (m)
    // Notes on an accepted fall-of-potential curve, said the same way.
    PlateauNotChecked,          //
    NoPlateau,                  // the spread (%)
    NoSlopeReadings,            //
    SlopeOutsideTable,          // mu
    SlopePointOutsideReadings,  // Pt (m)
};

struct [[nodiscard]] Refusal {
    RefusalReason reason = RefusalReason::None;
    std::vector<std::string> arguments;

    bool Refused() const { return reason != RefusalReason::None; }
};

// The refusal in English, as the command line prints it; empty for None.
std::string RefusalSentence(const Refusal& refusal);

}  // namespace terrovane::analysis
