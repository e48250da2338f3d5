#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace terrovane::grid {

// An earthing grid of buried horizontal conductors, optionally with vertical rods, in SI units throughout
// (metres, ohm-metres, amperes, seconds). The grid lies in the x-y plane with its corner at the origin; its
// length runs along x and its width along y.
enum class GridShape { Square, Rectangular, LShaped };
enum class RodPlacement { Inside, Perimeter, Corners };

// The names design files and the archive use: "square", "rectangular", "l-shaped"; "inside", "perimeter",
// "corners". A name that is none of them gives nullopt.
const char* ShapeName(GridShape shape);
std::optional<GridShape> ShapeFromName(std::string_view name);
const char* PlacementName(RodPlacement placement);
std::optional<RodPlacement> PlacementFromName(std::string_view name);

struct GridLayout {
    GridShape shape = GridShape::Rectangular;
    double length = 0;             // along x
    double width = 0;              // along y
    int conductorsLengthwise = 0;  // conductors running along the length, spaced evenly across the width
    int conductorsWidthwise = 0;   // conductors running along the width, spaced evenly along the length
    double depth = 0;              // burial depth h
    double conductorDiameter = 0;  // d
    // An L-shaped grid is its length x width rectangle without the corner at (length, width) of this size;
    // the cut falls on conductors, so the outline stays a grid of whole meshes.
    double cutoutLength = 0;
    double cutoutWidth = 0;
};

struct GroundRods {
    int count = 0;
    double length = 0;
    double diameter = 0;
    RodPlacement placement = RodPlacement::Perimeter;
};

// Crushed rock or another high-resistivity layer on the surface.
struct SurfaceLayer {
    double resistivity = 0;
    double thickness = 0;
};

// The fault: either the grid current IG itself, or the symmetrical fault current 3I0 with the share that
// flows through the grid (split factor) and the X/R ratio and frequency that give the decrement factor.
// The duration is both the fault's and the shock's.
struct FaultData {
    std::optional<double> gridCurrent;
    double faultCurrent = 0;
    double splitFactor = 1;
    double xOverR = 0;
    double frequency = 50;
    double duration = 0;
};

// Optional resistances EN 50522 adds in series with the body: footwear (R_F1) and, when asked for, the
// standing resistance of the feet on the surface (R_F2 = 1.5 m^-1 times the surface resistivity).
struct AdditionalResistances {
    double footwear = 0;
    bool standing = false;
};

struct GridDesign {
    GridLayout grid;
    std::optional<GroundRods> rods;
    std::optional<SurfaceLayer> surface;
    FaultData fault;
    int bodyKg = 70;  // 50 or 70
    AdditionalResistances additional;
};

// The fields of a design, named as the design file names them (grid.length_m and so on).
enum class DesignField {
    GridLength,
    GridWidth,
    ConductorsLengthwise,
    ConductorsWidthwise,
    GridDepth,
    ConductorDiameter,
    Shape,
    CutoutLength,
    CutoutWidth,
    RodCount,
    RodLength,
    RodDiameter,
    RodPlacement,
    SurfaceResistivity,
    SurfaceThickness,
    GridCurrent,
    FaultCurrent,
    SplitFactor,
    XOverR,
    Frequency,
    Duration,
    BodyKg,
    Footwear,
};
const char* DesignFieldName(DesignField field);

enum class DesignProblemCode {
    NotPositive,       // must be above zero
    Negative,          // must not be below zero
    TooFewConductors,  // at least two each way
    NotFiftyOrSeventy,
    SplitFactorAboveOne,
    CutoutTooLarge,   // the cut leaves no L (it must be shorter than the length and narrower than the width)
    CutoutOffGrid,    // the cut does not fall on conductors: the spacing does not fit it
    SquareNotSquare,  // a square grid with a different length and width, or conductor counts
};

struct DesignProblem {
    DesignField field;
    DesignProblemCode code;
};

// Every problem of the design, empty when it can be assessed. Missing fields are the reader's concern; this
// judges the values.
std::vector<DesignProblem> CheckDesign(const GridDesign& design);

}  // namespace terrovane::grid
