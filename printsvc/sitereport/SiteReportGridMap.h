#pragma once

#include <optional>
#include <vector>

#include "GridAssessments.h"
#include "GridGeometry.h"
#include "GridSafety.h"
#include "SoilModels.h"

namespace terrovane::sitereport {

// The grid of the stored assessment computed in the site's soil, for the maps of its page.
struct GridMap {
    electrode::Soil soil;
    electrode::SafetyRaster raster;
    double touchLimit = 0;
    double stepLimit = 0;
    electrode::Extreme touch;
    electrode::Extreme step;
    std::vector<grid::Segment> conductors;
};

// Computed in the site's newest stored soil model where the assessment was worked on a model, else in the
// uniform soil that was typed; none where the grid cannot be computed.
std::optional<GridMap> ComputeGridMap(const archive::StoredGridAssessment& assessment,
                                      const std::optional<archive::StoredSoilModel>& model);

}  // namespace terrovane::sitereport
