#pragma once

#include "LayeredEarth.h"
#include "SoilCertainty.h"
#include "SoilModels.h"

namespace terrovane::stored {

// A stored model's layers, top first, as the analyses take them.
analysis::LayeredEarth EarthOf(const archive::StoredSoilModel& model);

// A stored model with what is known of its values (the layers' deviations, the covariance, the fit's
// error), its layers judged again as the fit judges them: resolved or not by the longest spacing measured.
grid::FittedSoil FittedSoilOf(const archive::StoredSoilModel& model);

}  // namespace terrovane::stored
