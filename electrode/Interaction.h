#pragma once

#include <array>

#include "GreenFunction.h"
#include "Segments.h"

namespace terrovane::electrode {

// The depths at which a segment's remainder is sampled: its middle and its three Gauss points.
struct SampleDepths {
    int middle = 0;
    std::array<int, 3> gauss{};
};

SampleDepths RegisterDepths(GreenFunction& green, const Segment& segment);

// The mean potential over the surface of segment `observer` when segment `source` leaks 1 A uniformly
// (a Galerkin entry of the moment matrix: Harrington, "Field computation by moment methods", 1968, ch. 1;
// for earthing, Meliopoulos et al., "Analysis of grounding systems", IEEE Trans. PAS-100(3), 1981).
// The singular part is integrated along the source exactly and over the observer by Gauss-Legendre with
// more points the closer the two are; the segment's own entry in closed form.
double MutualPotential(const GreenFunction& green, const Segment& observer,
                       const SampleDepths& observerDepths, const Segment& source,
                       const SampleDepths& sourceDepths);

// The potential at a point of the soil when segment `source` leaks 1 A; depth is the point's registered
// depth.
double PotentialOfSegment(const GreenFunction& green, Point point, int depth, const Segment& source,
                          const SampleDepths& sourceDepths);

}  // namespace terrovane::electrode
