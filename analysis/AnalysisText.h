#pragma once

#include <string>

#include "FallOfPotential.h"
#include "SoilFit.h"

namespace terrovane::analysis {

// A soil fit as JSON: {"layers": [{"resistivity_ohm_m", "thickness_m", "resistivity_sigma",
// "thickness_sigma", "resolved"}, ..., {"resistivity_ohm_m", "resistivity_sigma", "resolved"}],
// "rms_percent", "points": [{"spacing_m", "measured", "model", "residual_percent"} with "mn2_m" for a
// Schlumberger reading (whose spacing_m is AB/2), ...], "left_out":
// [why each result was left out, ...]}; an undetermined sigma is null.
std::string SoilFitJson(const SoilFit& fit);
// The same as a table for a terminal: the layers with their sigmas (and whether each is resolved), the
// RMS error, the points, the results left out.
std::string SoilFitTable(const SoilFit& fit);

// A fall-of-potential analysis as JSON: {"r_61_8_ohm", "plateau", "plateau_spread_percent", "slope":
// {"mu", "pt_over_c", "resistance_ohm"} or null, "left_out": [why each result was left out, ...]}; an
// unchecked plateau is null, and so is its spread.
std::string FopJson(const FopAnalysis& analysis);
std::string FopTable(const FopAnalysis& analysis, double currentProbe);

}  // namespace terrovane::analysis
