// The pieces the solver stands on: conductors cut where they meet and where they cross an interface, the
// line source's closed form near and on its own axis, and the Gauss rules.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "GreenFunction.h"
#include "LineSource.h"
#include "Quadrature.h"
#include "Segments.h"
#include "Shapes.h"

namespace terrovane::electrode {
namespace {

double TotalLength(const std::vector<Segment>& segments) {
    double sum = 0;
    for (const Segment& s : segments)
        sum += s.length;
    return sum;
}

bool HasEndAt(const std::vector<Segment>& segments, Point p) {
    for (const Segment& s : segments) {
        if (Norm(s.from - p) < 1e-9 || Norm(s.to - p) < 1e-9)
            return true;
    }
    return false;
}

TEST(Segments, CutWhereConductorsMeetAndAtInterfacesNoLongerThanAsked) {
    Electrode e;
    e.conductors.push_back({{0, 0, 0.5}, {10, 0, 0.5}, 0.005});
    e.conductors.push_back({{3.3, -5, 0.5}, {3.3, 5, 0.5}, 0.005});  // crosses the first
    e.conductors.push_back({{7, 0, 0.5}, {7, 4, 0.5}, 0.005});       // joins it
    AddRod(e, {0, 0, 0.5}, 6, 0.008);                                // through the interface at 2 m
    const Soil soil{{100, 300}, {2}};
    const std::vector<Segment> segments = Segmentize(e, soil, 2.0);
    EXPECT_NEAR(TotalLength(segments), 10 + 10 + 4 + 6, 1e-9);
    EXPECT_TRUE(HasEndAt(segments, {3.3, 0, 0.5}));
    EXPECT_TRUE(HasEndAt(segments, {7, 0, 0.5}));
    EXPECT_TRUE(HasEndAt(segments, {0, 0, 2}));
    for (const Segment& s : segments) {
        EXPECT_LE(s.length, 2.0 + 1e-9);
        EXPECT_EQ(s.layer, s.middle.z < 2 ? 0 : 1);
        EXPECT_NEAR(Dot(s.side, s.direction), 0, 1e-12);
        EXPECT_NEAR(s.side.z, 0, 1e-12);  // sampled beside the wire, not above it: the depth stays the wire's
    }
    // The crossing conductor is cut at the crossing although neither ends there.
    int crossingPieces = 0;
    for (const Segment& s : segments)
        crossingPieces += s.conductor == 1;
    EXPECT_EQ(crossingPieces, 6);  // 5 m and 5 m, each in three pieces of 5/3 m
}

TEST(Segments, ConductorsThatDoNotTouchAreNotCut) {
    Electrode e;
    e.conductors.push_back({{0, 0, 0.5}, {10, 0, 0.5}, 0.005});
    e.conductors.push_back({{5, -5, 0.6}, {5, 5, 0.6}, 0.005});  // passes 0.1 m below
    EXPECT_EQ(Segmentize(e, Soil{{100}, {}}, 100).size(), 2u);
}

// The closed form against Gauss-Legendre on many pieces of the plain integral of 1/(4 pi R).
double ByQuadrature(Point a, Point b, Point p) {
    const Rule& rule = GaussLegendre(16);
    const int pieces = 2000;
    double sum = 0;
    for (int k = 0; k < pieces; ++k) {
        for (std::size_t q = 0; q < rule.nodes.size(); ++q) {
            const double t = (k + rule.nodes[q]) / pieces;
            sum += rule.weights[q] / Norm(a + t * (b - a) - p);
        }
    }
    return sum / pieces / (4 * std::numbers::pi);
}

TEST(LineSource, MatchesTheIntegralNearAndOnItsAxis) {
    const Point a{0, 0, 1}, b{10, 0, 1};
    for (Point p : {Point{5, 0.005, 1}, Point{-0.5, 0, 1}, Point{10.5, 0.001, 1}, Point{-3, 0.0001, 1},
                    Point{3, 4, 7}, Point{0, 0.005, 1}}) {
        const double exact = ByQuadrature(a, b, p);
        EXPECT_NEAR(LineSourcePotential(a, b, p), exact, 1e-6 * exact) << p.x << " " << p.y;
    }
    // Inside the wire the potential is the surface's.
    EXPECT_NEAR(LineSourcePotential(a, b, {5, 0, 1}, 0.005), LineSourcePotential(a, b, {5, 0.005, 1}), 1e-6);
    // The mean over the wire's own surface.
    const Rule& rule = GaussLegendre(64);
    double mean = 0;
    for (int k = 0; k < 64; ++k) {
        for (std::size_t q = 0; q < rule.nodes.size(); ++q)
            mean +=
                rule.weights[q] * LineSourcePotential(a, b, {10 * (k + rule.nodes[q]) / 64, 0.005, 1}) / 64;
    }
    EXPECT_NEAR(SelfAveragePotential(10, 0.005), mean, 1e-5 * mean);
}

TEST(FastLog2, AgreesWithTheLibrarysOverTheTablesRange) {
    for (double x = 1e-7; x < 1e9; x *= 1.0137)
        ASSERT_NEAR(FastLog2(x), std::log2(x), 1e-9) << x;
    EXPECT_NEAR(FastLog2(1.0), 0.0, 1e-13);
    EXPECT_NEAR(FastLog2(0.5), -1.0, 1e-13);
}

TEST(Quadrature, RulesIntegratePolynomialsOfTheirDegreeExactly) {
    for (int order : {1, 2, 3, 4, 16, 64}) {
        const Rule& rule = GaussLegendre(order);
        for (int degree = 0; degree < 2 * order; degree += std::max(1, order / 4)) {
            double sum = 0;
            for (std::size_t q = 0; q < rule.nodes.size(); ++q)
                sum += rule.weights[q] * std::pow(rule.nodes[q], degree);
            EXPECT_NEAR(sum, 1.0 / (degree + 1), 1e-13) << order << " " << degree;
        }
    }
    EXPECT_THROW(GaussLegendre(0), std::invalid_argument);
}

}  // namespace
}  // namespace terrovane::electrode
