#include "GridDesign.h"

#include <algorithm>
#include <cmath>

namespace terrovane::grid {

const char* ShapeName(GridShape shape) {
    switch (shape) {
        case GridShape::Square:
            return "square";
        case GridShape::Rectangular:
            return "rectangular";
        case GridShape::LShaped:
            return "l-shaped";
    }
    return "";
}

std::optional<GridShape> ShapeFromName(std::string_view name) {
    for (GridShape shape : {GridShape::Square, GridShape::Rectangular, GridShape::LShaped})
        if (name == ShapeName(shape))
            return shape;
    return std::nullopt;
}

const char* PlacementName(RodPlacement placement) {
    switch (placement) {
        case RodPlacement::Inside:
            return "inside";
        case RodPlacement::Perimeter:
            return "perimeter";
        case RodPlacement::Corners:
            return "corners";
    }
    return "";
}

std::optional<RodPlacement> PlacementFromName(std::string_view name) {
    for (RodPlacement placement : {RodPlacement::Inside, RodPlacement::Perimeter, RodPlacement::Corners})
        if (name == PlacementName(placement))
            return placement;
    return std::nullopt;
}

const char* DesignFieldName(DesignField field) {
    switch (field) {
        case DesignField::GridLength:
            return "grid.length_m";
        case DesignField::GridWidth:
            return "grid.width_m";
        case DesignField::ConductorsLengthwise:
            return "grid.conductors_lengthwise";
        case DesignField::ConductorsWidthwise:
            return "grid.conductors_widthwise";
        case DesignField::GridDepth:
            return "grid.depth_m";
        case DesignField::ConductorDiameter:
            return "grid.conductor_diameter_m";
        case DesignField::Shape:
            return "grid.shape";
        case DesignField::CutoutLength:
            return "grid.cutout_length_m";
        case DesignField::CutoutWidth:
            return "grid.cutout_width_m";
        case DesignField::RodCount:
            return "rods.count";
        case DesignField::RodLength:
            return "rods.length_m";
        case DesignField::RodDiameter:
            return "rods.diameter_m";
        case DesignField::RodPlacement:
            return "rods.placement";
        case DesignField::SurfaceResistivity:
            return "surface_layer.resistivity_ohm_m";
        case DesignField::SurfaceThickness:
            return "surface_layer.thickness_m";
        case DesignField::GridCurrent:
            return "fault.grid_current_a";
        case DesignField::FaultCurrent:
            return "fault.current_a";
        case DesignField::SplitFactor:
            return "fault.split_factor";
        case DesignField::XOverR:
            return "fault.x_over_r";
        case DesignField::Frequency:
            return "fault.frequency_hz";
        case DesignField::Duration:
            return "fault.duration_s";
        case DesignField::BodyKg:
            return "body_kg";
        case DesignField::Footwear:
            return "en50522.footwear_ohm";
    }
    return "";
}

namespace {

bool Positive(double value) {
    return std::isfinite(value) && value > 0;
}

// Whether `part` is a whole number of steps of `spacing`, to a millimetre's tolerance in a metre.
bool OnSpacing(double part, double spacing) {
    const double steps = part / spacing;
    return std::abs(steps - std::round(steps)) < 1e-6 * std::max(1.0, steps);
}

void CheckLayout(const GridLayout& grid, std::vector<DesignProblem>& problems) {
    auto require = [&](bool ok, DesignField field, DesignProblemCode code) {
        if (!ok)
            problems.push_back({field, code});
    };
    require(Positive(grid.length), DesignField::GridLength, DesignProblemCode::NotPositive);
    require(Positive(grid.width), DesignField::GridWidth, DesignProblemCode::NotPositive);
    require(grid.conductorsLengthwise >= 2, DesignField::ConductorsLengthwise,
            DesignProblemCode::TooFewConductors);
    require(grid.conductorsWidthwise >= 2, DesignField::ConductorsWidthwise,
            DesignProblemCode::TooFewConductors);
    require(Positive(grid.depth), DesignField::GridDepth, DesignProblemCode::NotPositive);
    require(Positive(grid.conductorDiameter), DesignField::ConductorDiameter, DesignProblemCode::NotPositive);
    if (!problems.empty())
        return;
    if (grid.shape == GridShape::Square) {
        const bool square = std::abs(grid.length - grid.width) <= 1e-9 * grid.length &&
                            grid.conductorsLengthwise == grid.conductorsWidthwise;
        require(square, DesignField::Shape, DesignProblemCode::SquareNotSquare);
    }
    if (grid.shape != GridShape::LShaped)
        return;
    require(Positive(grid.cutoutLength), DesignField::CutoutLength, DesignProblemCode::NotPositive);
    require(Positive(grid.cutoutWidth), DesignField::CutoutWidth, DesignProblemCode::NotPositive);
    if (!problems.empty())
        return;
    require(grid.cutoutLength < grid.length, DesignField::CutoutLength, DesignProblemCode::CutoutTooLarge);
    require(grid.cutoutWidth < grid.width, DesignField::CutoutWidth, DesignProblemCode::CutoutTooLarge);
    const double spacingX = grid.length / (grid.conductorsWidthwise - 1);
    const double spacingY = grid.width / (grid.conductorsLengthwise - 1);
    require(OnSpacing(grid.cutoutLength, spacingX), DesignField::CutoutLength,
            DesignProblemCode::CutoutOffGrid);
    require(OnSpacing(grid.cutoutWidth, spacingY), DesignField::CutoutWidth,
            DesignProblemCode::CutoutOffGrid);
}

}  // namespace

std::vector<DesignProblem> CheckDesign(const GridDesign& design) {
    std::vector<DesignProblem> problems;
    CheckLayout(design.grid, problems);
    auto require = [&](bool ok, DesignField field, DesignProblemCode code) {
        if (!ok)
            problems.push_back({field, code});
    };
    if (design.rods) {
        require(design.rods->count >= 0, DesignField::RodCount, DesignProblemCode::Negative);
        if (design.rods->count > 0) {
            require(Positive(design.rods->length), DesignField::RodLength, DesignProblemCode::NotPositive);
            require(Positive(design.rods->diameter), DesignField::RodDiameter,
                    DesignProblemCode::NotPositive);
        }
    }
    if (design.surface) {
        require(Positive(design.surface->resistivity), DesignField::SurfaceResistivity,
                DesignProblemCode::NotPositive);
        require(Positive(design.surface->thickness), DesignField::SurfaceThickness,
                DesignProblemCode::NotPositive);
    }
    const FaultData& fault = design.fault;
    if (fault.gridCurrent) {
        require(Positive(*fault.gridCurrent), DesignField::GridCurrent, DesignProblemCode::NotPositive);
    } else {
        require(Positive(fault.faultCurrent), DesignField::FaultCurrent, DesignProblemCode::NotPositive);
        require(Positive(fault.splitFactor), DesignField::SplitFactor, DesignProblemCode::NotPositive);
        require(!(fault.splitFactor > 1), DesignField::SplitFactor, DesignProblemCode::SplitFactorAboveOne);
        require(std::isfinite(fault.xOverR) && fault.xOverR >= 0, DesignField::XOverR,
                DesignProblemCode::Negative);
        require(Positive(fault.frequency), DesignField::Frequency, DesignProblemCode::NotPositive);
    }
    require(Positive(fault.duration), DesignField::Duration, DesignProblemCode::NotPositive);
    require(design.bodyKg == 50 || design.bodyKg == 70, DesignField::BodyKg,
            DesignProblemCode::NotFiftyOrSeventy);
    require(std::isfinite(design.additional.footwear) && design.additional.footwear >= 0,
            DesignField::Footwear, DesignProblemCode::Negative);
    return problems;
}

}  // namespace terrovane::grid
