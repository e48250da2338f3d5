#pragma once

#include <cmath>
#include <vector>

namespace terrovane::electrode {

// A point in the soil in metres: x and y across the surface, z the depth below it (0 on the surface,
// positive downwards).
struct Point {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Point operator*(double s, Point a) {
    return {s * a.x, s * a.y, s * a.z};
}
inline double Dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Point Cross(Point a, Point b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Norm(Point a) {
    return std::sqrt(Dot(a, a));
}
inline double HorizontalDistance(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}
// The same point seen in the surface as in a mirror.
inline Point Mirrored(Point a) {
    return {a.x, a.y, -a.z};
}

// One straight, thin conductor of the electrode: a grid conductor, a rod, a side of a ring.
struct Conductor {
    Point from;
    Point to;
    double radius = 0;
};

// Every conductor of an electrode is bonded to every other: the electrode is one equipotential.
struct Electrode {
    std::vector<Conductor> conductors;
};

}  // namespace terrovane::electrode
