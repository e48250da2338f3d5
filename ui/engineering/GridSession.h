#pragma once

#include <cstdint>
#include <optional>

#include "Assessment.h"
#include "GridAssessments.h"
#include "GridFromArchive.h"
#include "LayeredEarth.h"
#include "SoilCertainty.h"
#include "SoilFromArchive.h"
#include "SoilModels.h"

namespace terrovane::engineering {

// IEEE Std 80-2013's worked example, the design a new grid window starts from: 70 m x 70 m, 11 x 11
// conductors of 0.01 m at 0.5 m, 0.102 m of 2500 ohm-m crushed rock, 1908 A for 0.5 s, a 70 kg body.
grid::GridDesign StartingDesign();

// The assessment as the archive keeps it with its site, and the design it was made of back from it.
using stored::DesignOf;
using stored::StoredAssessmentOf;

// A stored model with what is known of its values, judged again as the fit judges its layers.
using stored::FittedSoilOf;

// The newest stored soil model and grid assessment of a site, where it has them.
std::optional<grid::FittedSoil> NewestSoilModel(archive::Archive& archive, std::int64_t site);
std::optional<archive::StoredGridAssessment> NewestGridAssessment(archive::Archive& archive,
                                                                  std::int64_t site);

}  // namespace terrovane::engineering
