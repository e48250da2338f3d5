#pragma once

namespace terrovane::form {

enum MapMode : int { kMapPixels = 1, kMapScaled = 8 };
enum Orientation : int { kNotAPrinter = 0, kPortrait = 1, kLandscape = 2 };
inline constexpr int kScaledExtent = 1000;  // logical size of both axes in the scaled map mode

// How inches map to one axis of a page.
struct Axis {
    int mapMode = kMapPixels;
    int resolution = 96;      // device pixels per inch
    double pageInches = 0.0;  // page size on this axis
    int logicalExtent = kScaledExtent;
};

// Inches -> units of the axis; zero or negative inches give 0.
int InchesToUnits(double inches, const Axis& axis);
// Units -> inches; zero or negative units give 0.
double UnitsToInches(double units, const Axis& axis);

// The right shift, in inches, that keeps a layout drawn for an 8-inch portrait page centred on wider
// paper: landscape wider than 10.9 in takes half of (width - 10.5 in), other pages wider than 8 in half
// of (width - 8 in).
double CentringOffsetInches(double pageWidthInches, int orientation);

}  // namespace terrovane::form
