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
    const archive::Result<std::vector<archive::StoredSoilModel>> models = archive::SoilModels(archive, site);
    if (!models || models.Value().empty())
        return std::nullopt;
    return FittedSoilOf(models.Value().front());
}

std::optional<archive::StoredGridAssessment> NewestGridAssessment(archive::Archive& archive,
                                                                  std::int64_t site) {
    const archive::Result<std::vector<archive::StoredGridAssessment>> stored =
        archive::GridAssessments(archive, site);
    if (!stored || stored.Value().empty())
        return std::nullopt;
    return stored.Value().front();
}

}  // namespace terrovane::engineering
