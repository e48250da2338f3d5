#pragma once

#include <vector>

#include "Geometry.h"
#include "Soil.h"

namespace terrovane::electrode {

// A piece of a conductor that leaks a uniform current along its length; it lies in one layer.
struct Segment {
    Point from;
    Point to;
    double radius = 0;
    int conductor = 0;
    int layer = 0;
    double length = 0;
    Point direction;  // unit, from -> to
    Point middle;
    Point side;  // unit, horizontal where it can be, across the segment: where its surface is sampled
};

enum class ElectrodeFault { None, NoConductor, ZeroLength, BadRadius, AboveSurface };

ElectrodeFault CheckElectrode(const Electrode& electrode);

// The conductors cut where they cross a layer interface and where another conductor joins or crosses them
// (within the two radii), then each piece into equal segments no longer than maxLength.
std::vector<Segment> Segmentize(const Electrode& electrode, const Soil& soil, double maxLength);

Segment MakeSegment(Point from, Point to, double radius, int conductor, const Soil& soil);

}  // namespace terrovane::electrode
