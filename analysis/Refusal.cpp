#include "Refusal.h"

namespace terrovane::analysis {
namespace {

std::string Argument(const Refusal& refusal, std::size_t index) {
    return index < refusal.arguments.size() ? refusal.arguments[index] : std::string();
}

std::string Counted(const std::string& count, const std::string& noun) {
    return count + " " + noun + (count == "1" ? "" : "s");
}

std::string PointSentence(const Refusal& r, const std::string& what) {
    return "point " + Argument(r, 0) + ": " + what;
}

std::string ReadingSentence(const Refusal& r, const std::string& what) {
    return "reading " + Argument(r, 0) + ": " + what;
}

}  // namespace

std::string RefusalSentence(const Refusal& r) {
    switch (r.reason) {
        case RefusalReason::None:
            return {};
        case RefusalReason::PointNotANumber:
            return PointSentence(r, "not a number");
        case RefusalReason::SpacingNotPositive:
            return PointSentence(r, "the spacing must be above 0 m");
        case RefusalReason::ResistivityNotPositive:
            return PointSentence(r, "the apparent resistivity must be above 0 ohm-m");
        case RefusalReason::SpacingOutOfRange:
            return PointSentence(r, "a spacing outside 1 mm to 100 km is no Wenner sounding");
        case RefusalReason::ResistivityOutOfRange:
            return PointSentence(r, "an apparent resistivity outside 1e-6 to 1e12 ohm-m is no soil");
        case RefusalReason::SpacingRepeated:
            return PointSentence(
                r, "the spacing " + Argument(r, 1) + " m is already point " + Argument(r, 2) + "'s");
        case RefusalReason::PotentialSpacingOutOfRange:
            return PointSentence(r, "MN/2 must be above 0 m and below AB/2, " + Argument(r, 1) + " m");
        case RefusalReason::LayerCountOutOfRange:
            return "the number of layers must be 1 to " + Argument(r, 0);
        case RefusalReason::TooFewPoints:
            return Counted(Argument(r, 0), "layer") + (Argument(r, 0) == "1" ? " has " : " have ") +
                   Counted(Argument(r, 1), "parameter") + ", but there " +
                   (Argument(r, 2) == "1" ? "is " : "are ") + Counted(Argument(r, 2), "point");
        case RefusalReason::CurrentProbeOutOfRange:
            return "the current-probe distance must be a number above 0 m and at most 100 km";
        case RefusalReason::TooFewReadings:
            return "at least two readings are needed";
        case RefusalReason::ReadingNotANumber:
            return ReadingSentence(r, "not a number");
        case RefusalReason::ProbeOutsideSpan:
            return ReadingSentence(
                r, "the potential probe must be between the electrode and the current probe (0 to " +
                       Argument(r, 1) + " m), not at " + Argument(r, 2) + " m");
        case RefusalReason::ReadingResistanceOutOfRange:
            return ReadingSentence(r, "the resistance must be above 0 ohm and at most 1e12 ohm");
        case RefusalReason::DistanceRepeated:
            return ReadingSentence(
                r, "the distance " + Argument(r, 1) + " m is already reading " + Argument(r, 2) + "'s");
        case RefusalReason::PlateauNotChecked:
            return "the readings do not reach from 52 % to 72 % of D: the plateau was not checked";
        case RefusalReason::NoPlateau:
            return "the curve from 52 % to 72 % of D spreads over " + Argument(r, 0) +
                   " % (more than 5 %): the potential probe is not on a plateau; move the current probe "
                   "further out and measure again";
        case RefusalReason::NoSlopeReadings:
            return "no readings at 20 %, 40 % and 60 % of D: no slope method";
        case RefusalReason::SlopeOutsideTable:
            return "the slope coefficient mu = " + Argument(r, 0) +
                   " lies outside the slope table (0.40 to 1.59): move the current probe further out";
        case RefusalReason::SlopePointOutsideReadings:
            return "the slope method's Pt = " + Argument(r, 0) + " m lies outside the readings";
        case RefusalReason::CentreOutsideReadings:
            return "61.8 % of D (" + Argument(r, 0) + " m) lies outside the readings (" + Argument(r, 1) +
                   " m to " + Argument(r, 2) + " m): add readings on both sides of it";
    }
    return {};
}

}  // namespace terrovane::analysis
