#include "GridFromArchive.h"

namespace terrovane::stored {

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

}  // namespace terrovane::stored
