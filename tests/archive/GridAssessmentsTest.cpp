// Grid assessments kept with their site: a round trip through the file (read back by Python's sqlite3 too),
// newest first, what is refused and what deleting a site does.
#include <cmath>
#include <limits>

#include "ArchiveFixtures.h"
#include "GridAssessments.h"
#include "Problems.h"
#include "ResultCheck.h"
#include "Sites.h"

namespace terrovane::archive::testing {
namespace {

StoredGridAssessment Example(std::int64_t site) {
    StoredGridAssessment a;
    a.site = site;
    a.shape = "square";
    a.lengthM = a.widthM = 70;
    a.conductorsLengthwise = a.conductorsWidthwise = 11;
    a.depthM = 0.5;
    a.conductorDiameterM = 0.01;
    a.rodPlacement = "perimeter";
    a.surfaceResistivity = 2500;
    a.surfaceThicknessM = 0.102;
    a.givenGridCurrentA = 1908;
    a.durationS = 0.5;
    a.standard = "ieee80";
    a.soilResistivity = 400;
    a.soilMethod = "given";
    a.surfaceFactor = 0.742;
    a.tolerableTouchV = 840.5;
    a.tolerableStepV = 2696.2;
    a.gridResistanceOhm = 2.776;
    a.gridCurrentA = 1908;
    a.gprV = 5296.4;
    a.meshVoltageV = 1001.6;
    a.stepVoltageV = 548.9;
    a.verdict = "unsafe";
    return a;
}

class GridAssessmentsTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive = OpenArchive();
        ASSERT_NE(archive, nullptr);
        SiteFields site;
        site.name = "Substation North";
        ASSERT_TRUE(AddSite(*archive, site, siteId, error)) << error;
    }

    std::unique_ptr<Archive> archive;
    std::int64_t siteId = 0;
    std::string error;
};

TEST_F(GridAssessmentsTest, AnAssessmentComesBackAsStoredNewestFirst) {
    StoredGridAssessment first = Example(siteId);
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreGridAssessment(*archive, first)));
    EXPECT_GT(first.id, 0);
    EXPECT_FALSE(first.savedAt.empty());
    StoredGridAssessment second = Example(siteId);
    second.shape = "l-shaped";
    second.cutoutLengthM = 28;
    second.cutoutWidthM = 35;
    second.rodCount = 20;
    second.rodLengthM = 7.5;
    second.rodDiameterM = 0.016;
    second.surfaceResistivity.reset();
    second.surfaceThicknessM.reset();
    second.givenGridCurrentA.reset();
    second.faultCurrentA = 3180;
    second.splitFactor = 0.6;
    second.xOverR = 10;
    second.frequencyHz = 60;
    second.standingResistance = true;
    second.footwearOhm = 1000;
    second.standard = "en50522";
    second.schwarzResistanceOhm = 2.844;
    second.permissibleTouchV = 220;
    second.verdict = "safe";
    ASSERT_TRUE(terrovane::testing::Succeeded(StoreGridAssessment(*archive, second)));

    std::vector<StoredGridAssessment> stored;
    ASSERT_TRUE(terrovane::testing::Into(GridAssessments(*archive, siteId), stored));
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].id, second.id);
    const StoredGridAssessment& back = stored[0];
    EXPECT_EQ(back.shape, "l-shaped");
    EXPECT_EQ(back.cutoutWidthM, 35);
    EXPECT_EQ(back.rodCount, 20);
    EXPECT_FALSE(back.surfaceResistivity);
    EXPECT_FALSE(back.givenGridCurrentA);
    EXPECT_EQ(back.splitFactor, 0.6);
    EXPECT_TRUE(back.standingResistance);
    EXPECT_EQ(back.schwarzResistanceOhm, 2.844);
    EXPECT_EQ(back.permissibleTouchV, 220);
    EXPECT_EQ(back.verdict, "safe");
    EXPECT_EQ(stored[1].surfaceThicknessM, 0.102);
    EXPECT_EQ(stored[1].givenGridCurrentA, 1908);
    EXPECT_FALSE(stored[1].permissibleTouchV);
    EXPECT_EQ(ReadArchive(Path(), "SELECT shape, mesh_voltage_v, verdict FROM grid_assessments ORDER BY id"),
              R"([["square", 1001.6, "unsafe"], ["l-shaped", 1001.6, "safe"]])");

    ASSERT_TRUE(DeleteSite(*archive, siteId, error)) << error;
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM grid_assessments"), "[[0]]");
}

TEST_F(GridAssessmentsTest, WhatCannotBeKeptIsRefused) {
    StoredGridAssessment nan = Example(siteId);
    nan.meshVoltageV = std::numeric_limits<double>::quiet_NaN();
    Status stored = StoreGridAssessment(*archive, nan);
    ASSERT_FALSE(stored);
    EXPECT_EQ(stored.Error().code, ErrorCode::Refused);
    EXPECT_EQ(stored.Error().Text(), "mesh_voltage_v: not a number");
    StoredGridAssessment half = Example(siteId);
    half.surfaceThicknessM.reset();
    stored = StoreGridAssessment(*archive, half);
    ASSERT_FALSE(stored);
    EXPECT_EQ(stored.Error().Text(), "a surface layer has a resistivity and a thickness");
    StoredGridAssessment flat = Example(siteId);
    flat.widthM = 0;
    EXPECT_FALSE(StoreGridAssessment(*archive, flat));
    StoredGridAssessment nowhere = Example(siteId + 100);
    stored = StoreGridAssessment(*archive, nowhere);
    ASSERT_FALSE(stored);
    EXPECT_EQ(stored.Error().code, ErrorCode::NoSuchItem);
    EXPECT_STREQ(stored.Error().problem, kNoSite);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM grid_assessments"), "[[0]]");
}

}  // namespace
}  // namespace terrovane::archive::testing
