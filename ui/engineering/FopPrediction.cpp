#include "FopPrediction.h"

#include "DesignElectrode.h"
#include "GridSession.h"
#include "Shapes.h"
#include "Sites.h"

namespace terrovane::engineering {

std::optional<FopModel> FopModelOfPoint(archive::Archive& archive, std::int64_t point) {
    std::string error;
    const std::optional<archive::PointRow> row = archive::PointById(archive, point, error);
    if (!row)
        return std::nullopt;
    const std::optional<grid::FittedSoil> soil = NewestSoilModel(archive, row->site);
    if (!soil)
        return std::nullopt;
    FopModel model;
    model.soil = soil->model;
    const archive::PointKind kind = row->fields.kind;
    if (kind == archive::PointKind::Grid || kind == archive::PointKind::Mesh) {
        if (const auto stored = NewestGridAssessment(archive, row->site)) {
            const grid::GridDesign design = DesignOf(*stored);
            model.grid = true;
            model.gridElectrode = electrode::ElectrodeOfDesign(design);
            model.gridLength = design.grid.length;
            model.gridWidth = design.grid.width;
        }
    }
    return model;
}

electrode::FopPlan PredictFop(const FopModel& model, double currentProbe, double rodLength, int points) {
    electrode::Electrode rod;
    if (!model.grid)
        electrode::AddRod(rod, {0, 0, 0}, rodLength, kRodDiameter / 2);
    electrode::FopPlanRequest request;
    request.currentProbe = currentProbe;
    request.curvePoints = points;
    // The plan measures every distance from the electrode's centre, as the field does for a grid.
    return electrode::PlanFallOfPotential(model.grid ? model.gridElectrode : rod, model.soil, request);
}

}  // namespace terrovane::engineering
