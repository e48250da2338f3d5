#include "Segments.h"

#include <algorithm>
#include <cmath>

namespace terrovane::electrode {
namespace {

// Where along a (0..1) the closest points of segments a and b lie, and how far apart they are
// (Ericson, "Real-time collision detection", 2005, section 5.1.9).
struct Closest {
    double alongA = 0;
    double alongB = 0;
    double distance = 0;
};

Closest ClosestPoints(const Conductor& a, const Conductor& b) {
    const Point d1 = a.to - a.from;
    const Point d2 = b.to - b.from;
    const Point r = a.from - b.from;
    const double aa = Dot(d1, d1), ee = Dot(d2, d2), f = Dot(d2, r), c = Dot(d1, r), bb = Dot(d1, d2);
    const double denominator = aa * ee - bb * bb;
    double s = denominator > 1e-12 * aa * ee ? std::clamp((bb * f - c * ee) / denominator, 0.0, 1.0) : 0.0;
    double t = (bb * s + f) / ee;
    if (t < 0) {
        t = 0;
        s = std::clamp(-c / aa, 0.0, 1.0);
    } else if (t > 1) {
        t = 1;
        s = std::clamp((bb - c) / aa, 0.0, 1.0);
    }
    const Point gap = (a.from + s * d1) - (b.from + t * d2);
    return {s, t, Norm(gap)};
}

std::vector<double> CutsOf(const Electrode& electrode, std::size_t index,
                           const std::vector<double>& interfaces) {
    const Conductor& c = electrode.conductors[index];
    std::vector<double> cuts = {0.0, 1.0};
    const double dz = c.to.z - c.from.z;
    for (double depth : interfaces) {
        if (dz != 0) {
            const double t = (depth - c.from.z) / dz;
            if (t > 0 && t < 1)
                cuts.push_back(t);
        }
    }
    for (std::size_t other = 0; other < electrode.conductors.size(); ++other) {
        if (other == index)
            continue;
        const Conductor& o = electrode.conductors[other];
        const Closest closest = ClosestPoints(c, o);
        if (closest.distance <= c.radius + o.radius)
            cuts.push_back(closest.alongA);
    }
    std::sort(cuts.begin(), cuts.end());
    const double length = Norm(c.to - c.from);
    // Cuts closer than a radius are one cut.
    std::vector<double> kept;
    for (double t : cuts) {
        if (kept.empty() || (t - kept.back()) * length > c.radius)
            kept.push_back(t);
    }
    kept.back() = 1.0;
    return kept;
}

}  // namespace

ElectrodeFault CheckElectrode(const Electrode& electrode) {
    if (electrode.conductors.empty())
        return ElectrodeFault::NoConductor;
    for (const Conductor& c : electrode.conductors) {
        if (!(std::isfinite(c.radius) && c.radius > 0))
            return ElectrodeFault::BadRadius;
        const double length = Norm(c.to - c.from);
        if (!(std::isfinite(length) && length > 0))
            return ElectrodeFault::ZeroLength;
        // A thin wire is many radii long; a "conductor" as thick as it is long is no wire.
        if (c.radius * 4 > length)
            return ElectrodeFault::BadRadius;
        if (c.from.z < 0 || c.to.z < 0)
            return ElectrodeFault::AboveSurface;
    }
    return ElectrodeFault::None;
}

Segment MakeSegment(Point from, Point to, double radius, int conductor, const Soil& soil) {
    Segment s;
    s.from = from;
    s.to = to;
    s.radius = radius;
    s.conductor = conductor;
    s.length = Norm(to - from);
    s.direction = (1 / s.length) * (to - from);
    s.middle = 0.5 * (from + to);
    s.layer = LayerAt(soil, s.middle.z);
    const Point across = Cross(s.direction, {0, 0, 1});
    s.side = Norm(across) > 1e-9 ? (1 / Norm(across)) * across : Point{1, 0, 0};
    return s;
}

std::vector<Segment> Segmentize(const Electrode& electrode, const Soil& soil, double maxLength) {
    const std::vector<double> interfaces = InterfaceDepths(soil);
    std::vector<Segment> segments;
    for (std::size_t index = 0; index < electrode.conductors.size(); ++index) {
        const Conductor& c = electrode.conductors[index];
        const Point axis = c.to - c.from;
        const std::vector<double> cuts = CutsOf(electrode, index, interfaces);
        for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
            const double pieceLength = (cuts[k + 1] - cuts[k]) * Norm(axis);
            const int pieces = std::max(1, static_cast<int>(std::ceil(pieceLength / maxLength - 1e-9)));
            for (int p = 0; p < pieces; ++p) {
                const double t0 = cuts[k] + (cuts[k + 1] - cuts[k]) * p / pieces;
                const double t1 = cuts[k] + (cuts[k + 1] - cuts[k]) * (p + 1) / pieces;
                segments.push_back(MakeSegment(c.from + t0 * axis, c.from + t1 * axis, c.radius,
                                               static_cast<int>(index), soil));
            }
        }
    }
    return segments;
}

}  // namespace terrovane::electrode
