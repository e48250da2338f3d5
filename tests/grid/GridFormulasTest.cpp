// The pieces the worked examples do not reach: the decrement factor against the standard's table of
// typical values, an L-shaped grid worked by hand, rods inside the grid, soil without a surface layer,
// layered soil reduced to one resistivity, the range checks and the refusal of bad designs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Assessment.h"
#include "BodyLimits.h"
#include "FaultCurrent.h"
#include "GridFixtures.h"
#include "GridGeometry.h"

namespace terrovane::grid {
namespace {

bool HasWarning(const Assessment& a, WarningCode code) {
    return std::any_of(a.warnings.begin(), a.warnings.end(),
                       [code](const Warning& w) { return w.code == code; });
}

TEST(GridFormulas, DecrementFactorMatchesTheStandardsTable) {
    // IEEE Std 80-2013's typical values at 60 Hz: 0.05 s and 0.5 s at X/R 10, 20 and 40.
    EXPECT_NEAR(DecrementFactor(10, 60, 0.05), 1.232, 0.0005);
    EXPECT_NEAR(DecrementFactor(20, 60, 0.5), 1.052, 0.0005);
    EXPECT_NEAR(DecrementFactor(40, 60, 0.5), 1.101, 0.0005);
    EXPECT_EQ(DecrementFactor(0, 50, 0.5), 1.0);
}

TEST(GridFormulas, GridCurrentFromTheFaultCurrent) {
    GridDesign design = SquareExample();
    design.fault.gridCurrent.reset();
    design.fault.faultCurrent = 6814;
    design.fault.splitFactor = 0.6;
    design.fault.xOverR = 20;
    design.fault.frequency = 60;
    const Assessment a = Assess(design, GivenSoil(kExampleSoil));
    EXPECT_NEAR(a.current.decrementFactor, 1.052, 0.0005);
    EXPECT_NEAR(a.current.current, 1.0517 * 0.6 * 6814, 1);
    EXPECT_NEAR(a.gpr, a.current.current * a.gridResistance, 1e-9);
}

TEST(GridFormulas, NoSurfaceLayerMeansCsOneOnTheSoil) {
    GridDesign design = SquareExample();
    design.surface.reset();
    const Assessment a = Assess(design, GivenSoil(kExampleSoil));
    EXPECT_EQ(a.surfaceFactor, 1.0);
    EXPECT_EQ(a.surfaceResistivity, kExampleSoil);
    EXPECT_NEAR(a.tolerableTouch, (1000 + 1.5 * 400) * 0.157 / std::sqrt(0.5), 1e-9);
    EXPECT_NEAR(TolerableStepVoltage(50, 1, 400, 0.5), (1000 + 6 * 400) * 0.116 / std::sqrt(0.5), 1e-9);
}

TEST(GridFormulas, LShapedGridWorkedByHand) {
    // 70 m x 70 m without its 35 m x 35 m corner, 7 m meshes: six conductors of 70 m and five of 35 m each
    // way, A = 3675 m2, Lp = 280 m, na = 8.5, nb = 1.0746, nc = (4/3)^0.525 = 1.1630, n = 10.623.
    GridDesign design = SquareExample();
    design.grid = {GridShape::LShaped, 70, 70, 11, 11, 0.5, 0.01, 35, 35};
    const Assessment a = Assess(design, GivenSoil(kExampleSoil));
    EXPECT_NEAR(a.geometry.conductorLength, 1190, 1e-9);
    EXPECT_NEAR(a.geometry.area, 3675, 1e-9);
    EXPECT_NEAR(a.factors.na, 8.5, 1e-12);
    EXPECT_NEAR(a.factors.nb, 1.0746, 0.0001);
    EXPECT_NEAR(a.factors.nc, 1.1630, 0.0001);
    EXPECT_NEAR(a.factors.n, 10.623, 0.001);
    EXPECT_EQ(a.factors.nd, 1.0);
    const std::vector<Segment> segments = ConductorSegments(design.grid);
    for (const Segment& s : segments)
        EXPECT_TRUE(InsideOutline(design.grid, s.to)) << s.to.x << "," << s.to.y;
    EXPECT_FALSE(InsideOutline(design.grid, {60, 60}));
}

TEST(GridFormulas, RodPlacementDecidesKiiAndLm) {
    GridDesign design = SquareExample();
    design.rods = GroundRods{20, 7.5, 0.016, RodPlacement::Inside};
    const Assessment inside = Assess(design, GivenSoil(kExampleSoil));
    EXPECT_NEAR(inside.factors.kii, 1 / std::pow(22.0, 2 / 11.0), 1e-12);
    EXPECT_NEAR(inside.factors.lm, 1540 + 150, 1e-9);
    design.rods->placement = RodPlacement::Corners;
    const Assessment corners = Assess(design, GivenSoil(kExampleSoil));
    EXPECT_EQ(corners.factors.kii, 1.0);
    EXPECT_NEAR(corners.factors.lm, 1786.4, 0.05);
    EXPECT_NEAR(inside.factors.ls, corners.factors.ls, 1e-9);
}

TEST(GridFormulas, RodPositionsStandOnCrossingsOfTheChosenKind) {
    GridLayout grid = SquareExample().grid;
    const std::vector<Point> corners = RodPositions(grid, {4, 3, 0.016, RodPlacement::Corners});
    ASSERT_EQ(corners.size(), 4u);
    for (const Point& p : corners)
        EXPECT_TRUE((p.x == 0 || p.x == 70) && (p.y == 0 || p.y == 70));
    const std::vector<Point> perimeter = RodPositions(grid, {20, 3, 0.016, RodPlacement::Perimeter});
    EXPECT_EQ(perimeter.size(), 20u);
    for (const Point& p : perimeter)
        EXPECT_TRUE(p.x == 0 || p.y == 0 || std::abs(p.x - 70) < 1e-9 || std::abs(p.y - 70) < 1e-9);
    const std::vector<Point> inside = RodPositions(grid, {10, 3, 0.016, RodPlacement::Inside});
    EXPECT_EQ(inside.size(), 10u);
    for (const Point& p : inside)
        EXPECT_TRUE(p.x > 0 && p.y > 0 && p.x < 70 && p.y < 70);
    // More rods than crossings: each crossing once.
    EXPECT_EQ(RodPositions(grid, {500, 3, 0.016, RodPlacement::Perimeter}).size(), 40u);
    grid = {GridShape::LShaped, 70, 70, 11, 11, 0.5, 0.01, 35, 35};
    EXPECT_EQ(RodPositions(grid, {6, 3, 0.016, RodPlacement::Corners}).size(), 6u);
}

TEST(GridFormulas, LayeredSoilIsReducedAtTheEquivalentRadius) {
    analysis::LayeredEarth earth{{100, 500}, {2}};
    const UniformSoil soil = UniformFromModel(earth, 4900);
    EXPECT_EQ(soil.method, UniformMethod::ApparentAtEquivalentRadius);
    EXPECT_NEAR(soil.spacing, std::sqrt(4900 / 3.141592653589793), 1e-9);
    EXPECT_NEAR(soil.resistivity, analysis::WennerApparentResistivity(earth, soil.spacing), 1e-9);
    EXPECT_GT(soil.resistivity, 100);
    EXPECT_LT(soil.resistivity, 500);
    const Assessment a = Assess(SquareExample(), soil);
    EXPECT_TRUE(HasWarning(a, WarningCode::LayeredSoil));
    const UniformSoil single = UniformFromModel({{250}, {}}, 4900);
    EXPECT_EQ(single.method, UniformMethod::SingleLayer);
    EXPECT_EQ(single.resistivity, 250);
}

TEST(GridFormulas, FormulasOutsideTheirRangeAreWarned) {
    GridDesign design = SquareExample();
    design.grid.depth = 3;
    design.grid.conductorsLengthwise = design.grid.conductorsWidthwise = 36;  // 2 m meshes
    design.grid.conductorDiameter = 1;
    design.fault.duration = 4;
    const Assessment a = Assess(design, GivenSoil(kExampleSoil));
    for (WarningCode code :
         {WarningCode::DepthOutsideRange, WarningCode::SpacingTooSmall, WarningCode::ConductorTooThick,
          WarningCode::TooManyMeshes, WarningCode::ShockDurationOutsideRange})
        EXPECT_TRUE(HasWarning(a, code)) << WarningName(code);
    const auto depth = std::find_if(a.warnings.begin(), a.warnings.end(), [](const Warning& w) {
        return w.code == WarningCode::DepthOutsideRange;
    });
    EXPECT_EQ(depth->value, 3);
    EXPECT_EQ(depth->high, 2.5);
    design = SquareExample();
    design.grid = {GridShape::Rectangular, 70, 40, 5, 11, 0.5, 0.01, 0, 0};  // 7 m by 10 m meshes
    EXPECT_TRUE(HasWarning(Assess(design, GivenSoil(kExampleSoil)), WarningCode::UnequalSpacing));
}

TEST(GridFormulas, BadDesignsNameTheirField) {
    auto first = [](const GridDesign& design) {
        const std::vector<DesignProblem> problems = CheckDesign(design);
        return problems.empty() ? std::string() : std::string(DesignFieldName(problems[0].field));
    };
    EXPECT_EQ(first(SquareExample()), "");
    GridDesign design = SquareExample();
    design.grid.length = -70;
    EXPECT_EQ(first(design), "grid.length_m");
    design = SquareExample();
    design.grid.width = 60;
    EXPECT_EQ(first(design), "grid.shape");
    design = SquareExample();
    design.grid = {GridShape::LShaped, 70, 70, 11, 11, 0.5, 0.01, 30, 35};  // 30 m is not whole 7 m meshes
    EXPECT_EQ(first(design), "grid.cutout_length_m");
    design.grid.cutoutLength = 70;
    EXPECT_EQ(first(design), "grid.cutout_length_m");
    design = SquareExample();
    design.grid.conductorsWidthwise = 1;
    design.grid.conductorsLengthwise = 1;
    EXPECT_EQ(first(design), "grid.conductors_lengthwise");
    design = SquareExample();
    design.fault.gridCurrent.reset();
    EXPECT_EQ(first(design), "fault.current_a");
    design.fault.faultCurrent = 1000;
    design.fault.splitFactor = 1.5;
    EXPECT_EQ(first(design), "fault.split_factor");
    design = SquareExample();
    design.rods = GroundRods{4, 0, 0.016, RodPlacement::Inside};
    EXPECT_EQ(first(design), "rods.length_m");
    design = SquareExample();
    design.bodyKg = 60;
    EXPECT_EQ(first(design), "body_kg");
}

}  // namespace
}  // namespace terrovane::grid
