#pragma once

#include <string>
#include <vector>

#include "MeasuredOnly.h"
#include "Refusal.h"

namespace terrovane::analysis {

// How a reading's four electrodes stood on a line about its centre. Wenner: equally spaced, a apart.
// Schlumberger: the current electrodes AB/2 out either side, the potential electrodes MN/2 (less than AB/2).
enum class SoundingArray { Wenner, Schlumberger };

// One reading: the spacing in metres (Wenner's a, Schlumberger's AB/2) and the apparent resistivity in
// ohm-metres; a Schlumberger reading also MN/2 in metres.
struct SoundingPoint {
    double spacing = 0.0;
    double apparentResistivity = 0.0;
    SoundingArray array = SoundingArray::Wenner;
    double mn2 = 0.0;
};

using Sounding = std::vector<SoundingPoint>;

// Empty when the points can be fitted: every value a finite number above zero (spacings from 1 mm to
// 100 km, apparent resistivities from 1e-6 to 1e12 ohm-m), a Schlumberger reading's MN/2 below its AB/2,
// and no spacing twice.
// Otherwise what is wrong with which point (numbered from 1 in the order given).
std::string CheckSounding(const Sounding& sounding);
// The same refusal as a code with its arguments, for the windows to say in their language.
Refusal CheckSoundingReason(const Sounding& sounding);

// Points ordered by spacing.
Sounding SortedBySpacing(Sounding sounding);

// The apparent resistivity of a Schlumberger reading from its resistance R = dV / I: rho_a = pi R (L^2 -
// l^2) / (2 l) with L = AB/2 and l = MN/2 (the four-electrode formula with AM = BN = L - l and BM = AN = L +
// l; Telford, Geldart and Sheriff, Applied Geophysics, 2nd ed. 1990, section 8.5.3).
double SchlumbergerApparentResistivity(double resistance, double ab2, double mn2);

// A sounding gathered from stored results, with what was done to them on the way.
struct GatheredSounding {
    Sounding points;
    std::vector<std::string> notes;    // one line each: merged spacings, distances over 99
    std::vector<std::string> leftOut;  // the results left out and why, one line each
};

// The resistivity results (mode 9) among `records`, as (distance, resistivity) ordered by distance.
// Other modes are passed over. A result without a distance (0), or whose resistivity is not a measured
// value (over range, invalid, zero) or is doubtful, is left out with the reason (WhyLeftOut). A distance
// above 99 m, which the instrument's display shows as >99, is taken as the stored number of metres, with a
// note. Several results at one distance become one point at the geometric mean of their resistivities (the
// fit works on logarithms), with a note.
GatheredSounding SoundingFromRecords(const std::vector<SourcedRecord>& records);

// Reads CSV text with the header `spacing_m,apparent_resistivity_ohm_m`, or with `resistance` the header
// `spacing_m,resistance_ohm` (then rho = 2 pi a R). Blank lines and lines starting with '#' are ignored.
// False with `error` naming the line on anything else.
[[nodiscard]] bool ParseSoundingCsv(const std::string& text, bool resistance, Sounding& sounding,
                                    std::string& error);

}  // namespace terrovane::analysis
