#include "Interaction.h"

#include <algorithm>
#include <cmath>

#include "LineSource.h"
#include "Quadrature.h"

namespace terrovane::electrode {
namespace {

Point Along(const Segment& s, double t) {
    return s.from + t * (s.to - s.from);
}

bool SameSegment(const Segment& a, const Segment& b) {
    return a.from.x == b.from.x && a.from.y == b.from.y && a.from.z == b.from.z && a.to.x == b.to.x &&
           a.to.y == b.to.y && a.to.z == b.to.z;
}

// How far apart two segments are, in lengths of the longer: 0 where they touch.
double Separation(Point observerMiddle, double observerLength, Point sourceMiddle, double sourceLength) {
    const double gap = Norm(observerMiddle - sourceMiddle) - 0.5 * (observerLength + sourceLength);
    return std::max(gap, 0.0) / std::max(observerLength, sourceLength);
}

// Observer points: one far away, sixteen where the segments touch; the source's potential changes over a
// distance like the gap, so the error of each rule stays below 1e-4 of the entry.
int ObserverOrder(double separation) {
    if (separation > 6)
        return 1;
    if (separation > 1.5)
        return 2;
    if (separation > 0.3)
        return 4;
    return 16;
}

// `nearest`: an image closer to the observer than the wire's radius (a wire on or astride an interface) is
// taken at the radius, as the wire itself is.
double MeanOverObserver(const Segment& observer, Point from, Point to, double separation,
                        double nearest = 0) {
    const Rule& rule = GaussLegendre(ObserverOrder(separation));
    double sum = 0;
    for (std::size_t q = 0; q < rule.nodes.size(); ++q) {
        const Point p = Along(observer, rule.nodes[q]) + observer.radius * observer.side;
        sum += rule.weights[q] * LineSourcePotential(from, to, p, nearest);
    }
    return sum;
}

Point InInterface(Point p, double interface) {
    return {p.x, p.y, MirroredDepth(p.z, interface)};
}

// The source's images in the interfaces of its layer, for an observer in that layer.
double MeanOfInterfaceMirrors(const GreenFunction& green, const Segment& observer, const Segment& source) {
    const InterfaceMirrors& mirrors = green.MirrorsOf(source.layer);
    double sum = 0;
    for (int m = 0; m < mirrors.count; ++m) {
        const double d = mirrors.mirror[m].depth;
        const double apart =
            Separation(observer.middle, observer.length, InInterface(source.middle, d), source.length);
        sum +=
            mirrors.mirror[m].reflection * MeanOverObserver(observer, InInterface(source.from, d),
                                                            InInterface(source.to, d), apart, source.radius);
    }
    return green.soil().resistivities[source.layer] * sum;
}

// The remainder is smooth over the distance to the nearest interface image; three points each way are
// enough near, the middles far.
double MeanRemainder(const GreenFunction& green, const Segment& observer, const SampleDepths& observerDepths,
                     const Segment& source, const SampleDepths& sourceDepths, double separation) {
    if (separation > 2) {
        return green.Remainder(HorizontalDistance(observer.middle, source.middle), observerDepths.middle,
                               sourceDepths.middle);
    }
    const Rule& rule = GaussLegendre(3);
    double sum = 0;
    for (int p = 0; p < 3; ++p) {
        const Point at = Along(observer, rule.nodes[p]) + observer.radius * observer.side;
        for (int q = 0; q < 3; ++q) {
            const double r = HorizontalDistance(at, Along(source, rule.nodes[q]));
            sum += rule.weights[p] * rule.weights[q] *
                   green.Remainder(r, observerDepths.gauss[p], sourceDepths.gauss[q]);
        }
    }
    return sum;
}

}  // namespace

SampleDepths RegisterDepths(GreenFunction& green, const Segment& segment) {
    SampleDepths depths;
    depths.middle = green.RegisterDepth(segment.middle.z);
    const Rule& rule = GaussLegendre(3);
    for (int p = 0; p < 3; ++p)
        depths.gauss[p] = green.RegisterDepth(Along(segment, rule.nodes[p]).z);
    return depths;
}

double MutualPotential(const GreenFunction& green, const Segment& observer,
                       const SampleDepths& observerDepths, const Segment& source,
                       const SampleDepths& sourceDepths) {
    const double rho = NearFieldResistivity(green.soil(), observer.layer, source.layer);
    const Point mirrorFrom = Mirrored(source.from);
    const Point mirrorTo = Mirrored(source.to);
    const double apart = Separation(observer.middle, observer.length, source.middle, source.length);
    const double mirrorApart =
        Separation(observer.middle, observer.length, Mirrored(source.middle), source.length);
    const bool self = SameSegment(observer, source);
    double singular = self ? SelfAveragePotential(source.length, source.radius)
                           : MeanOverObserver(observer, source.from, source.to, apart);
    singular += MeanOverObserver(observer, mirrorFrom, mirrorTo, mirrorApart);
    double value = rho * singular;
    if (!green.Layered())
        return value;
    if (observer.layer == source.layer)
        value += MeanOfInterfaceMirrors(green, observer, source);
    return value + MeanRemainder(green, observer, observerDepths, source, sourceDepths, apart);
}

double PotentialOfSegment(const GreenFunction& green, Point point, int depth, const Segment& source,
                          const SampleDepths& sourceDepths) {
    const double apart = std::max(Norm(point - source.middle) - 0.5 * source.length, 0.0) / source.length;
    // Far away the segment is a point source at its middle (the line integral's correction is below
    // (L/r)^2/24, under 0.1 % of its share beyond eight lengths), nearer three points of it.
    if (apart > 8)
        return green.Total(HorizontalDistance(point, source.middle), depth, sourceDepths.middle);
    const Rule& rule = GaussLegendre(3);
    if (apart > 2) {
        double value = 0;
        for (int q = 0; q < 3; ++q) {
            value += rule.weights[q] * green.Total(HorizontalDistance(point, Along(source, rule.nodes[q])),
                                                   depth, sourceDepths.gauss[q]);
        }
        return value;
    }
    const int layer = green.Layer(depth);
    const double rho = NearFieldResistivity(green.soil(), layer, source.layer);
    double singular = LineSourcePotential(source.from, source.to, point, source.radius);
    // On the surface the mirror image is as far as the source itself.
    singular += point.z == 0
                    ? singular
                    : LineSourcePotential(Mirrored(source.from), Mirrored(source.to), point, source.radius);
    double value = rho * singular;
    if (!green.Layered())
        return value;
    if (layer == source.layer) {
        const InterfaceMirrors& mirrors = green.MirrorsOf(layer);
        for (int m = 0; m < mirrors.count; ++m) {
            const double d = mirrors.mirror[m].depth;
            value += green.soil().resistivities[layer] * mirrors.mirror[m].reflection *
                     LineSourcePotential(InInterface(source.from, d), InInterface(source.to, d), point,
                                         source.radius);
        }
    }
    for (int q = 0; q < 3; ++q) {
        value += rule.weights[q] * green.Remainder(HorizontalDistance(point, Along(source, rule.nodes[q])),
                                                   depth, sourceDepths.gauss[q]);
    }
    return value;
}

}  // namespace terrovane::electrode
