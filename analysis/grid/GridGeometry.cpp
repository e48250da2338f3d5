#include "GridGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace terrovane::grid {
namespace {

constexpr double kTolerance = 1e-9;

double SpacingX(const GridLayout& grid) {
    return grid.length / (grid.conductorsWidthwise - 1);
}
double SpacingY(const GridLayout& grid) {
    return grid.width / (grid.conductorsLengthwise - 1);
}

bool InCutout(const GridLayout& grid, Point point) {
    if (grid.shape != GridShape::LShaped)
        return false;
    const double scale = kTolerance * std::max(grid.length, grid.width);
    return point.x > grid.length - grid.cutoutLength + scale &&
           point.y > grid.width - grid.cutoutWidth + scale;
}

std::vector<Point> Crossings(const GridLayout& grid) {
    std::vector<Point> nodes;
    for (int j = 0; j < grid.conductorsLengthwise; ++j)
        for (int i = 0; i < grid.conductorsWidthwise; ++i) {
            const Point node{i * SpacingX(grid), j * SpacingY(grid)};
            if (!InCutout(grid, node))
                nodes.push_back(node);
        }
    return nodes;
}

bool OnPerimeter(const GridLayout& grid, Point point) {
    const double scale = kTolerance * std::max(grid.length, grid.width);
    auto near = [scale](double a, double b) { return std::abs(a - b) <= scale; };
    if (near(point.x, 0) || near(point.y, 0) || near(point.x, grid.length) || near(point.y, grid.width))
        return true;
    if (grid.shape != GridShape::LShaped)
        return false;
    const double innerX = grid.length - grid.cutoutLength;
    const double innerY = grid.width - grid.cutoutWidth;
    return (near(point.x, innerX) && point.y >= innerY - scale) ||
           (near(point.y, innerY) && point.x >= innerX - scale);
}

std::vector<Point> Corners(const GridLayout& grid) {
    std::vector<Point> corners{{0, 0}, {grid.length, 0}, {0, grid.width}};
    if (grid.shape == GridShape::LShaped) {
        const double innerX = grid.length - grid.cutoutLength;
        const double innerY = grid.width - grid.cutoutWidth;
        corners.insert(corners.end(), {{grid.length, innerY}, {innerX, innerY}, {innerX, grid.width}});
    } else {
        corners.push_back({grid.length, grid.width});
    }
    return corners;
}

// The perimeter's crossings in order around the outline (by angle about the centre of the bounding box,
// which walks an L's outline in order as long as its arms are not very thin).
std::vector<Point> PerimeterRing(const GridLayout& grid) {
    std::vector<Point> ring;
    for (const Point& node : Crossings(grid))
        if (OnPerimeter(grid, node))
            ring.push_back(node);
    const Point centre{grid.length / 2, grid.width / 2};
    std::sort(ring.begin(), ring.end(), [centre](const Point& a, const Point& b) {
        return std::atan2(a.y - centre.y, a.x - centre.x) < std::atan2(b.y - centre.y, b.x - centre.x);
    });
    return ring;
}

// `count` of the candidates, spread evenly through their order.
std::vector<Point> SpreadOver(const std::vector<Point>& candidates, int count) {
    std::vector<Point> chosen;
    const int available = static_cast<int>(candidates.size());
    const int taken = std::min(count, available);
    for (int k = 0; k < taken; ++k)
        chosen.push_back(candidates[static_cast<std::size_t>(k * available / taken)]);
    return chosen;
}

bool Same(Point a, Point b) {
    return std::abs(a.x - b.x) < 1e-9 && std::abs(a.y - b.y) < 1e-9;
}

}  // namespace

bool InsideOutline(const GridLayout& grid, Point point) {
    const double scale = kTolerance * std::max(grid.length, grid.width);
    if (point.x < -scale || point.y < -scale || point.x > grid.length + scale || point.y > grid.width + scale)
        return false;
    return !InCutout(grid, point);
}

std::vector<Segment> ConductorSegments(const GridLayout& grid) {
    std::vector<Segment> segments;
    const double innerX = grid.length - grid.cutoutLength;
    const double innerY = grid.width - grid.cutoutWidth;
    for (int j = 0; j < grid.conductorsLengthwise; ++j) {
        const double y = j * SpacingY(grid);
        const double end = InCutout(grid, {grid.length, y}) ? innerX : grid.length;
        segments.push_back({{0, y}, {end, y}});
    }
    for (int i = 0; i < grid.conductorsWidthwise; ++i) {
        const double x = i * SpacingX(grid);
        const double end = InCutout(grid, {x, grid.width}) ? innerY : grid.width;
        segments.push_back({{x, 0}, {x, end}});
    }
    return segments;
}

std::vector<Point> RodPositions(const GridLayout& grid, const GroundRods& rods) {
    if (rods.count <= 0)
        return {};
    if (rods.placement == RodPlacement::Inside) {
        std::vector<Point> inner;
        for (const Point& node : Crossings(grid))
            if (!OnPerimeter(grid, node))
                inner.push_back(node);
        return SpreadOver(inner.empty() ? Crossings(grid) : inner, rods.count);
    }
    const std::vector<Point> ring = PerimeterRing(grid);
    if (rods.placement == RodPlacement::Perimeter)
        return SpreadOver(ring, rods.count);
    std::vector<Point> chosen = SpreadOver(Corners(grid), rods.count);
    std::vector<Point> rest;
    for (const Point& node : ring)
        if (std::none_of(chosen.begin(), chosen.end(), [&](const Point& c) { return Same(c, node); }))
            rest.push_back(node);
    for (const Point& node : SpreadOver(rest, rods.count - static_cast<int>(chosen.size())))
        chosen.push_back(node);
    return chosen;
}

GridGeometry MeasureGrid(const GridDesign& design) {
    const GridLayout& grid = design.grid;
    GridGeometry geometry;
    geometry.extentX = grid.length;
    geometry.extentY = grid.width;
    geometry.area = grid.length * grid.width;
    if (grid.shape == GridShape::LShaped)
        geometry.area -= grid.cutoutLength * grid.cutoutWidth;
    // An L's outline is as long as its bounding rectangle's, and its farthest points are still the two
    // corners the cut leaves opposite each other.
    geometry.perimeter = 2 * (grid.length + grid.width);
    geometry.maxDistance = std::hypot(grid.length, grid.width);
    for (const Segment& segment : ConductorSegments(grid))
        geometry.conductorLength += std::hypot(segment.to.x - segment.from.x, segment.to.y - segment.from.y);
    geometry.spacingX = SpacingX(grid);
    geometry.spacingY = SpacingY(grid);
    geometry.spacing = std::max(geometry.spacingX, geometry.spacingY);
    if (design.rods)
        geometry.rodLength = design.rods->count * design.rods->length;
    geometry.totalLength = geometry.conductorLength + geometry.rodLength;
    geometry.equivalentRadius = std::sqrt(geometry.area / std::numbers::pi);
    return geometry;
}

}  // namespace terrovane::grid
