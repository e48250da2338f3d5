#pragma once

#include <vector>

#include "Geometry.h"

namespace terrovane::electrode {

// A rectangular grid with its corner at the origin: conductors along x spaced evenly across the width and
// along y spaced evenly along the length, all at one depth.
struct GridShape {
    double length = 0;  // along x
    double width = 0;   // along y
    int conductorsAlongLength = 0;
    int conductorsAlongWidth = 0;
    double depth = 0;
    double radius = 0;
};

void AddGrid(Electrode& electrode, const GridShape& grid);

// A vertical rod whose top is at `top` (its depth included) going down `length` metres.
void AddRod(Electrode& electrode, Point top, double length, double radius);

// Rods spaced evenly round the perimeter of the grid from the origin (on the corners when the count
// divides the perimeter into whole sides).
void AddPerimeterRods(Electrode& electrode, const GridShape& grid, int count, double rodLength,
                      double rodRadius);

// A closed ring as a regular polygon of `sides` straight conductors round (cx, cy) at `depth`.
void AddRing(Electrode& electrode, double cx, double cy, double ringRadius, int sides, double depth,
             double radius);

}  // namespace terrovane::electrode
