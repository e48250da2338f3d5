#pragma once

#include <vector>

#include "GridDesign.h"

namespace terrovane::grid {

struct Point {
    double x = 0;
    double y = 0;
};
struct Segment {
    Point from;
    Point to;
};

// Whether the point lies on the grid's outline or inside it (the cut corner of an L-shaped grid excluded).
bool InsideOutline(const GridLayout& grid, Point point);

// The conductors as straight pieces, each clipped to the outline; what the drawing shows and what the
// conductor length Lc adds up.
std::vector<Segment> ConductorSegments(const GridLayout& grid);

// Where the rods stand: on crossings of the conductors, spread evenly over the perimeter's crossings, the
// corners first and then the perimeter, or the crossings inside. At most one rod a crossing, so a drawing
// may show fewer rods than the count when there are more rods than crossings.
std::vector<Point> RodPositions(const GridLayout& grid, const GroundRods& rods);

// The measures the formulas use.
struct GridGeometry {
    double area = 0;              // A
    double perimeter = 0;         // Lp
    double extentX = 0;           // Lx, the largest extent along x
    double extentY = 0;           // Ly
    double maxDistance = 0;       // Dm, the largest distance between two points of the grid
    double conductorLength = 0;   // Lc
    double spacingX = 0;          // between the conductors that run along the width
    double spacingY = 0;          // between the conductors that run along the length
    double spacing = 0;           // D: the larger of the two
    double rodLength = 0;         // LR, all rods together
    double totalLength = 0;       // LT = Lc + LR
    double equivalentRadius = 0;  // sqrt(A / pi)
};

GridGeometry MeasureGrid(const GridDesign& design);

}  // namespace terrovane::grid
