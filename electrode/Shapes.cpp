#include "Shapes.h"

#include <cmath>
#include <numbers>

namespace terrovane::electrode {
namespace {

double Spaced(double extent, int count, int index) {
    return count > 1 ? extent * index / (count - 1) : extent / 2;
}

// The point at distance s along the rectangle's perimeter, counter-clockwise from the origin.
Point OnPerimeter(const GridShape& grid, double s) {
    const double l = grid.length;
    const double w = grid.width;
    if (s < l)
        return {s, 0, grid.depth};
    if (s < l + w)
        return {l, s - l, grid.depth};
    if (s < 2 * l + w)
        return {l - (s - l - w), w, grid.depth};
    return {0, w - (s - 2 * l - w), grid.depth};
}

}  // namespace

void AddGrid(Electrode& electrode, const GridShape& grid) {
    for (int i = 0; i < grid.conductorsAlongLength; ++i) {
        const double y = Spaced(grid.width, grid.conductorsAlongLength, i);
        electrode.conductors.push_back({{0, y, grid.depth}, {grid.length, y, grid.depth}, grid.radius});
    }
    for (int i = 0; i < grid.conductorsAlongWidth; ++i) {
        const double x = Spaced(grid.length, grid.conductorsAlongWidth, i);
        electrode.conductors.push_back({{x, 0, grid.depth}, {x, grid.width, grid.depth}, grid.radius});
    }
}

void AddRod(Electrode& electrode, Point top, double length, double radius) {
    electrode.conductors.push_back({top, {top.x, top.y, top.z + length}, radius});
}

void AddPerimeterRods(Electrode& electrode, const GridShape& grid, int count, double rodLength,
                      double rodRadius) {
    const double perimeter = 2 * (grid.length + grid.width);
    for (int i = 0; i < count; ++i)
        AddRod(electrode, OnPerimeter(grid, perimeter * i / count), rodLength, rodRadius);
}

void AddRing(Electrode& electrode, double cx, double cy, double ringRadius, int sides, double depth,
             double radius) {
    for (int i = 0; i < sides; ++i) {
        const double a0 = 2 * std::numbers::pi * i / sides;
        const double a1 = 2 * std::numbers::pi * (i + 1) / sides;
        electrode.conductors.push_back(
            {{cx + ringRadius * std::cos(a0), cy + ringRadius * std::sin(a0), depth},
             {cx + ringRadius * std::cos(a1), cy + ringRadius * std::sin(a1), depth},
             radius});
    }
}

}  // namespace terrovane::electrode
