#include "SiteReportGridMap.h"

#include "GridFromArchive.h"
#include "SoilFromArchive.h"

namespace terrovane::sitereport {

std::optional<GridMap> ComputeGridMap(const archive::StoredGridAssessment& a,
                                      const std::optional<archive::StoredSoilModel>& model) {
    const grid::GridDesign design = stored::DesignOf(a);
    const bool typed = a.soilMethod == "given" || !model;
    GridMap map;
    map.soil = typed ? electrode::Soil{{a.soilResistivity}, {}} : stored::EarthOf(*model);
    const grid::Standard standard =
        a.standard == "en50522" ? grid::Standard::En50522 : grid::Standard::Ieee80;
    const grid::Assessment formulas = grid::Assess(design, grid::GivenSoil(a.soilResistivity), standard);
    electrode::ComputedSafety computed = electrode::AssessInSoil(design, map.soil, formulas);
    if (computed.status != electrode::ComputedStatus::Computed)
        return std::nullopt;
    map.raster = std::move(computed.raster);
    map.touchLimit = computed.touchLimit;
    map.stepLimit = computed.stepLimit;
    map.touch = computed.touch;
    map.step = computed.step;
    map.conductors = grid::ConductorSegments(design.grid);
    return map;
}

}  // namespace terrovane::sitereport
