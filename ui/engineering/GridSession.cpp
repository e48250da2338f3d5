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

archive::StoredGridAssessment StoredAssessmentOf(const grid::GridDesign& design, const grid::Assessment& a,
                                                 std::int64_t site) {
    archive::StoredGridAssessment s;
    s.site = site;
    const grid::GridLayout& g = design.grid;
    s.shape = grid::ShapeName(g.shape);
    s.lengthM = g.length;
    s.widthM = g.width;
    s.conductorsLengthwise = g.conductorsLengthwise;
    s.conductorsWidthwise = g.conductorsWidthwise;
    s.depthM = g.depth;
    s.conductorDiameterM = g.conductorDiameter;
    s.cutoutLengthM = g.shape == grid::GridShape::LShaped ? g.cutoutLength : 0;
    s.cutoutWidthM = g.shape == grid::GridShape::LShaped ? g.cutoutWidth : 0;
    const grid::GroundRods rods = design.rods.value_or(grid::GroundRods{});
    s.rodCount = rods.count;
    s.rodLengthM = rods.length;
    s.rodDiameterM = rods.diameter;
    s.rodPlacement = grid::PlacementName(rods.placement);
    if (design.surface) {
        s.surfaceResistivity = design.surface->resistivity;
        s.surfaceThicknessM = design.surface->thickness;
    }
    const grid::FaultData& f = design.fault;
    s.givenGridCurrentA = f.gridCurrent;
    s.faultCurrentA = f.faultCurrent;
    s.splitFactor = f.splitFactor;
    s.xOverR = f.xOverR;
    s.frequencyHz = f.frequency;
    s.durationS = f.duration;
    s.bodyKg = design.bodyKg;
    s.footwearOhm = design.additional.footwear;
    s.standingResistance = design.additional.standing;
    s.standard = grid::StandardName(a.standard);
    s.soilResistivity = a.soil.resistivity;
    s.soilMethod = grid::UniformMethodName(a.soil.method);
    s.soilSpacingM = a.soil.spacing;
    s.soilLayers = a.soil.layers;
    s.surfaceFactor = a.surfaceFactor;
    s.tolerableTouchV = a.tolerableTouch;
    s.tolerableStepV = a.tolerableStep;
    s.gridResistanceOhm = a.gridResistance;
    if (a.schwarz)
        s.schwarzResistanceOhm = a.schwarz->total;
    s.gridCurrentA = a.current.current;
    s.gprV = a.gpr;
    s.meshVoltageV = a.meshVoltage;
    s.stepVoltageV = a.stepVoltage;
    if (a.en50522)
        s.permissibleTouchV = a.en50522->permissibleWithResistances;
    s.verdict = grid::VerdictName(a.verdict);
    return s;
}

grid::GridDesign DesignOf(const archive::StoredGridAssessment& s) {
    grid::GridDesign design;
    design.grid = {grid::ShapeFromName(s.shape).value_or(grid::GridShape::Rectangular),
                   s.lengthM,
                   s.widthM,
                   s.conductorsLengthwise,
                   s.conductorsWidthwise,
                   s.depthM,
                   s.conductorDiameterM,
                   s.cutoutLengthM,
                   s.cutoutWidthM};
    if (s.rodCount > 0)
        design.rods =
            grid::GroundRods{s.rodCount, s.rodLengthM, s.rodDiameterM,
                             grid::PlacementFromName(s.rodPlacement).value_or(grid::RodPlacement::Perimeter)};
    if (s.surfaceResistivity && s.surfaceThicknessM)
        design.surface = grid::SurfaceLayer{*s.surfaceResistivity, *s.surfaceThicknessM};
    design.fault = {s.givenGridCurrentA, s.faultCurrentA, s.splitFactor, s.xOverR,
                    s.frequencyHz,       s.durationS};
    design.bodyKg = s.bodyKg;
    design.additional = {s.footwearOhm, s.standingResistance};
    return design;
}

grid::FittedSoil FittedSoilOf(const archive::StoredSoilModel& model) {
    grid::FittedSoil soil{EarthOf(model), {}, model.logCovariance, model.rmsPercent};
    double longestSpacing = 0;
    for (const archive::StoredSoundingPoint& point : model.points)
        longestSpacing = std::max(longestSpacing, point.spacing);
    for (const archive::StoredSoilLayer& layer : model.layers) {
        analysis::FittedLayer fitted;
        fitted.resistivity = layer.resistivity;
        fitted.resistivitySigma = layer.resistivitySigma;
        fitted.thickness = layer.thickness;
        fitted.thicknessSigma = layer.thicknessSigma;
        soil.layers.push_back(fitted);
    }
    analysis::JudgeResolved(soil.layers, longestSpacing);
    return soil;
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
