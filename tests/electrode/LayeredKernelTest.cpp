// The layered soil's point-source potential obeys the laws it was built from: continuous potential and
// normal current density at every interface, reciprocity, the uniform soil when the layers are equal;
// the image series and the Hankel form agree; and electrodes see the top layer's soil when it is very thick
// and the bottom's when it is very thin.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "GreenFunction.h"
#include "HankelFilter.h"
#include "LineSource.h"
#include "Potential.h"
#include "Quadrature.h"
#include "Shapes.h"
#include "SingularTerms.h"
#include "Solver.h"
#include "SpectralKernel.h"
#include "TestElectrodes.h"
#include "TwoLayerImages.h"

namespace terrovane::electrode {
namespace {

double UniformPoint(double rho, double r, double z, double zs) {
    return rho / (4 * kPi) * (1 / std::hypot(r, z - zs) + 1 / std::hypot(r, z + zs));
}

const Soil kThreeLayers{{300, 60, 1000}, {1.5, 4}};

TEST(LayeredKernel, PotentialAndCurrentDensityAreContinuousAtEachInterface) {
    constexpr double e = 1e-4;
    for (double source : {0.5, 3.0, 8.0}) {
        for (double r : {0.7, 5.0, 30.0}) {
            const std::vector<double> depths = InterfaceDepths(kThreeLayers);
            for (std::size_t i = 0; i < depths.size(); ++i) {
                const double d = depths[i];
                auto g = [&](double z) { return PointPotentialByFilter(kThreeLayers, r, z, source); };
                const double above = g(d - e);
                const double below = g(d + e);
                EXPECT_NEAR(above, below, 1e-3 * std::fabs(above)) << source << " " << r << " " << d;
                // One-sided slopes, second order, each within its own layer.
                const double slopeAbove = (3 * g(d - e) - 4 * g(d - 2 * e) + g(d - 3 * e)) / (2 * e);
                const double slopeBelow = (-3 * g(d + e) + 4 * g(d + 2 * e) - g(d + 3 * e)) / (2 * e);
                const double jAbove = slopeAbove / kThreeLayers.resistivities[i];
                const double jBelow = slopeBelow / kThreeLayers.resistivities[i + 1];
                EXPECT_NEAR(jAbove, jBelow, 2e-3 * std::max(std::fabs(jAbove), 1e-6 * above))
                    << source << " " << r << " " << d;
                // The slope itself jumps by the ratio of the resistivities: the check has teeth.
                EXPECT_GT(std::fabs(slopeAbove - slopeBelow), 0.1 * std::fabs(slopeAbove));
            }
        }
    }
}

TEST(LayeredKernel, NoCurrentLeavesThroughTheSurface) {
    constexpr double e = 1e-4;
    const double slope =
        (PointPotentialByFilter(kThreeLayers, 2, 2 * e, 1) - PointPotentialByFilter(kThreeLayers, 2, 0, 1)) /
        (2 * e);
    EXPECT_NEAR(slope, 0, 1e-3 * PointPotentialByFilter(kThreeLayers, 2, 0, 1));
}

TEST(LayeredKernel, IsReciprocal) {
    for (const auto& [z, zs] : {std::pair{0.5, 3.0}, {0.5, 9.0}, {3.0, 9.0}, {0.0, 6.0}}) {
        for (double r : {0.3, 4.0, 40.0}) {
            const double there = PointPotentialByFilter(kThreeLayers, r, z, zs);
            const double back = PointPotentialByFilter(kThreeLayers, r, zs, z);
            EXPECT_NEAR(there, back, 1e-9 * there);
        }
    }
    const Soil two{{100, 700}, {2}};
    const std::vector<Image> down = *TwoLayerImages(two, 1, 0);
    const std::vector<Image> up = *TwoLayerImages(two, 0, 1);
    EXPECT_NEAR(PointPotentialByImages(down, 3, 5, 1), PointPotentialByImages(up, 3, 1, 5), 1e-12);
}

TEST(LayeredKernel, EqualLayersAreUniformSoil) {
    const Soil equal{{150, 150, 150}, {1, 3}};
    for (double z : {0.0, 0.8, 2.5, 7.0}) {
        for (double zs : {0.5, 2.0, 6.0}) {
            for (double r : {0.1, 2.0, 50.0})
                EXPECT_NEAR(PointPotentialByFilter(equal, r, z, zs), UniformPoint(150, r, z, zs),
                            1e-5 * UniformPoint(150, r, z, zs));
        }
    }
}

// The layered kernel takes the singular terms off in the wavenumber domain and adds them back at a point:
// the two forms must be one function, in the source's own layer (with its interface images) and across.
TEST(LayeredKernel, SingularTermsInTheWavenumberDomainAreThoseAtAPoint) {
    for (const Soil& soil : {kThreeLayers, Soil{{100, 400}, {2}}}) {
        const SingularTerms singular(soil);
        for (const auto& [z, zs] : {std::pair{0.5, 1.0}, {0.2, 3.0}, {3.5, 2.5}, {7.0, 0.8}, {6.0, 9.0}}) {
            const int o = LayerAt(soil, z);
            const int s = LayerAt(soil, zs);
            const auto spectral = [&](double lambda) { return singular.Spectral(lambda, z, zs, o, s); };
            for (double r : {0.5, 3.0, 20.0}) {
                const double atPoint = singular.AtPoint(r, z, zs, o, s);
                EXPECT_NEAR(analysis::HankelJ0(spectral, r) / (4 * kPi), atPoint, 1e-5 * atPoint)
                    << soil.resistivities.size() << " " << z << " " << zs << " " << r;
            }
        }
    }
}

TEST(LayeredKernel, ImageSeriesAndHankelFormAgree) {
    for (const Soil& soil :
         {Soil{{100, 400}, {2}}, Soil{{400, 100}, {2}}, Soil{{50, 1500}, {1}}, Soil{{1500, 80}, {3}}}) {
        for (const auto& [z, zs] : {std::pair{0.5, 0.5}, {0.0, 1.2}, {0.6, 4.0}, {5.0, 0.6}, {4.0, 6.5}}) {
            const auto images = TwoLayerImages(soil, LayerAt(soil, z), LayerAt(soil, zs));
            ASSERT_TRUE(images);
            for (double r : {0.05, 1.0, 8.0, 60.0}) {
                const double series = PointPotentialByImages(*images, r, z, zs);
                const double filter = PointPotentialByFilter(soil, r, z, zs);
                EXPECT_NEAR(series, filter, 1e-4 * series)
                    << soil.resistivities[0] << " " << z << " " << zs << " " << r;
            }
        }
    }
}

TEST(LayeredKernel, SeriesNeedsMoreTermsAsTheContrastGrowsAndGivesUpBeyondItsLimit) {
    EXPECT_EQ(*ImageTermsNeeded(0), 0);
    EXPECT_LT(*ImageTermsNeeded(0.3), *ImageTermsNeeded(0.8));
    EXPECT_FALSE(ImageTermsNeeded(0.99));
    const GreenFunction green(Soil{{10, 2000}, {1}}, KernelMethod::ImageSeries, 0.001, 100);
    EXPECT_EQ(green.MethodUsed(), KernelMethod::HankelFilter);
}

// The tables the solver reads are interpolated: they must give what the point formula gives.
TEST(LayeredKernel, TablesMatchThePointPotential) {
    for (KernelMethod method : {KernelMethod::ImageSeries, KernelMethod::HankelFilter}) {
        const Soil soil = method == KernelMethod::ImageSeries ? Soil{{100, 900}, {1.5}} : kThreeLayers;
        GreenFunction green(soil, method, 0.004, 500);
        for (const auto& [z, zs] : {std::pair{0.5, 0.5}, {0.0, 0.5}, {2.2, 1.0}, {0.6, 7.0}}) {
            const int o = green.RegisterDepth(z);
            const int s = green.RegisterDepth(zs);
            for (double r : {0.004, 0.0137, 0.5, 3.3, 71.0, 499.0, 800.0}) {
                const double direct = green.RemainderDirect(r, z, zs);
                EXPECT_NEAR(green.Remainder(r, o, s), direct, 2e-4 * std::fabs(direct) + 1e-9)
                    << z << " " << zs << " " << r;
            }
        }
    }
}

Electrode SmallGridWithRods() {
    Electrode e;
    const GridShape grid{12, 12, 4, 4, 0.5, 0.006};
    AddGrid(e, grid);
    AddPerimeterRods(e, grid, 4, 3, 0.008);
    return e;
}

TEST(LayeredKernel, ElectrodeSeesOneSoilWhenTheLayersAreEqual) {
    const double uniform = Solve(SmallGridWithRods(), Soil{{200}, {}}).resistance;
    const double layered = Solve(SmallGridWithRods(), Soil{{200, 200, 200}, {1, 2}}).resistance;
    EXPECT_NEAR(layered, uniform, 0.002 * uniform);
}

TEST(LayeredKernel, ElectrodeSeesTheTopLayerWhenThickAndTheBottomWhenThin) {
    const double top = Solve(SmallGridWithRods(), Soil{{200}, {}}).resistance;
    const double bottom = Solve(SmallGridWithRods(), Soil{{50}, {}}).resistance;
    EXPECT_NEAR(Solve(SmallGridWithRods(), Soil{{200, 50}, {5000}}).resistance, top, 0.005 * top);
    EXPECT_NEAR(Solve(SmallGridWithRods(), Soil{{200, 500, 50}, {4000, 100}}).resistance, top, 0.005 * top);
    EXPECT_NEAR(Solve(SmallGridWithRods(), Soil{{200, 50}, {0.01}}).resistance, bottom, 0.01 * bottom);
    EXPECT_NEAR(Solve(SmallGridWithRods(), Soil{{2000, 800, 50}, {0.01, 0.01}}).resistance, bottom,
                0.01 * bottom);
}

TEST(LayeredKernel, TwoLayerResistanceBySeriesAndByFilterAgree) {
    for (const Soil& soil : {Soil{{100, 400}, {1.2}}, Soil{{400, 100}, {2}}, Soil{{100, 1000}, {4}}}) {
        SolveOptions series;
        series.method = KernelMethod::ImageSeries;
        SolveOptions filter;
        filter.method = KernelMethod::HankelFilter;
        const Solution a = SolveWithSegments(SmallGridWithRods(), soil, 1.0, series);
        const Solution b = SolveWithSegments(SmallGridWithRods(), soil, 1.0, filter);
        EXPECT_EQ(a.green->MethodUsed(), KernelMethod::ImageSeries);
        EXPECT_NEAR(a.resistance, b.resistance, 0.002 * a.resistance) << soil.resistivities[0];
    }
}

// The map reads far segments from interpolated tables and near ones in full: against the plain sum of
// every segment's exact line integral and directly transformed remainder.
TEST(LayeredKernel, SurfaceMapAgreesWithTheExactSum) {
    const Solution s = Solve(SmallGridWithRods(), kThreeLayers);
    ASSERT_EQ(s.status, SolveStatus::Solved);
    const SurfaceMap map = MapSurface(s, {-30, -30, 42, 42}, 7, 7);
    const Rule& rule = GaussLegendre(4);
    // Over the grid, beside it and far from it (the map's points are 12 m apart from -30 m).
    for (int iy : {0, 3}) {
        for (int ix : {0, 2, 3, 5}) {
            const Point p = map.PointAt(ix, iy);
            double exact = 0;
            for (std::size_t j = 0; j < s.segments.size(); ++j) {
                const Segment& seg = s.segments[j];
                // The surface's 1/R and its mirror's exactly along the segment, the smooth rest by Gauss.
                const double rho = NearFieldResistivity(kThreeLayers, 0, seg.layer);
                double v = 2 * rho * LineSourcePotential(seg.from, seg.to, p);
                for (std::size_t q = 0; q < rule.nodes.size(); ++q) {
                    const Point at = seg.from + rule.nodes[q] * (seg.to - seg.from);
                    v += rule.weights[q] *
                         (s.green->PointPotential(p, at) - 2 * rho / (4 * std::numbers::pi * Norm(p - at)));
                }
                exact += s.current[j] * v;
            }
            EXPECT_NEAR(map.At(ix, iy), exact, 5e-4 * exact) << p.x << " " << p.y;
        }
    }
}

// A grid close to an interface, on it, or just across it: the interface's image is as close as the wire's
// own surface, and the resistance must neither jump nor fail to settle (it did before the image was
// integrated exactly: refinement ran on, and just below the interface the matrix was singular).
TEST(LayeredKernel, GridOnAnInterfaceIsContinuousAcrossIt) {
    for (const Soil& soil :
         {Soil{{100, 1000}, {1.0}}, Soil{{1000, 100}, {1.0}}, Soil{{100, 1000, 50}, {1.0, 3}}}) {
        std::vector<double> resistances;
        for (double depth : {0.999, 1.0, 1.001}) {
            Electrode e;
            AddGrid(e, {20, 20, 5, 5, depth, 0.005});
            const Solution s = Solve(e, soil);
            ASSERT_EQ(s.status, SolveStatus::Solved) << depth;
            EXPECT_LT(s.segments.size(), 400u);
            resistances.push_back(s.resistance);
        }
        // A wire of 5 mm radius 1 mm from the interface straddles it; the thin-wire model puts its axis in
        // one layer or the other, which moves the resistance by up to 2 % at a contrast of ten.
        EXPECT_NEAR(resistances[0], resistances[1], 0.025 * resistances[1]);
        EXPECT_NEAR(resistances[2], resistances[1], 0.025 * resistances[1]);
    }
}

// A rod through a conductive top into resistive ground leaks most of its current in the top layer.
TEST(LayeredKernel, RodLeaksMostWhereTheSoilConductsBest) {
    Electrode rod;
    AddRod(rod, {0, 0, 0}, 6, 0.008);
    const Solution s = Solve(rod, Soil{{50, 1000}, {3}});
    ASSERT_EQ(s.status, SolveStatus::Solved);
    double top = 0;
    for (std::size_t k = 0; k < s.segments.size(); ++k) {
        EXPECT_TRUE(s.segments[k].to.z <= 3 + 1e-12 ||
                    s.segments[k].from.z >= 3 - 1e-12);  // split at the interface
        if (s.segments[k].middle.z < 3)
            top += s.current[k];
    }
    EXPECT_GT(top, 0.8);
}

}  // namespace
}  // namespace terrovane::electrode
