// What the grid safety window keeps and finds in the archive.
#include "GridSession.h"

#include "SoilSession.h"

#include <algorithm>

namespace terrovane::engineering {

grid::GridDesign StartingDesign() {
    grid::GridDesign design;
    design.grid = {grid::GridShape::Square, 70, 70, 11, 11, 0.5, 0.01, 0, 0};
    design.surface = grid::SurfaceLayer{2500, 0.102};
    design.fault.gridCurrent = 1908;
    design.fault.duration = 0.5;
    design.bodyKg = 70;
    return design;
}

std::optional<grid::FittedSoil> NewestSoilModel(archive::Archive& archive, std::int64_t site) {
    std::vector<archive::StoredSoilModel> models;
    std::string error;
    if (!archive::SoilModels(archive, site, models, error) || models.empty())
        return std::nullopt;
    return FittedSoilOf(models.front());
}

std::optional<archive::StoredGridAssessment> NewestGridAssessment(archive::Archive& archive,
                                                                  std::int64_t site) {
    std::vector<archive::StoredGridAssessment> stored;
    std::string error;
    if (!archive::GridAssessments(archive, site, stored, error) || stored.empty())
        return std::nullopt;
    return stored.front();
}

}  // namespace terrovane::engineering
