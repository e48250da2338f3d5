#pragma once

#include <string>
#include <vector>

#include "FallOfPotential.h"

namespace terrovane::plots {

// The analysis in words, one line each: the resistance at 61.8 %, the plateau, the slope method and the
// notes; the reason alone for readings that were refused.
std::vector<std::string> FopSummary(const analysis::FopAnalysis& analysis);

}  // namespace terrovane::plots
