// Verdicts at the limit's edge, the modes that get none, validity notes, and the presets' table.
#include <cmath>

#include "ArchiveFixtures.h"
#include "Limits.h"
#include "ResultsOutput.h"
#include "Sites.h"
#include "Verdict.h"

namespace terrovane::archive::testing {
namespace {

TEST(VerdictTest, AReadingAtTheLimitPassesAndTheNextStoredValueFails) {
    const Limit ten{10, "IEC 62305-3"};
    EXPECT_EQ(Judge(MakeResult(1, 1, 1, 10.0f), ten), Verdict::Pass);
    EXPECT_EQ(Judge(MakeResult(1, 1, 1, std::nextafter(10.0f, 11.0f)), ten), Verdict::Fail);
    EXPECT_EQ(Judge(MakeResult(2, 1, 1, 9.99f), ten), Verdict::Pass);
    // A limit typed in decimal is kept by the same decimal reading, though neither is exact in binary.
    EXPECT_EQ(Judge(MakeResult(1, 1, 1, 0.1f), Limit{0.1, "custom value"}), Verdict::Pass);
    EXPECT_EQ(Judge(MakeResult(5, 1, 1, 0.11f), Limit{0.1, "custom value"}), Verdict::Fail);
}

TEST(VerdictTest, OnlyEarthResistanceModesWithALimitAndAValidReadingAreJudged) {
    const Limit limit{100, "custom value"};
    for (std::uint32_t mode = 1; mode <= 5; ++mode) {
        EXPECT_EQ(Judge(MakeResult(mode, 1, 1, 5), limit), Verdict::Pass) << mode;
        EXPECT_EQ(Judge(MakeResult(mode, 1, 1, 5), std::nullopt), Verdict::None) << mode;
    }
    for (std::uint32_t mode = 6; mode <= 10; ++mode) {
        EXPECT_EQ(Judge(MakeResult(mode, 1, 1, 5), limit), Verdict::None) << mode;
    }
    EXPECT_EQ(Judge(MakeResult(1, 1, 1, -1), limit), Verdict::None);
    EXPECT_EQ(Judge(MakeResult(1, 1, 1, std::numeric_limits<float>::quiet_NaN()), limit), Verdict::None);
    EXPECT_STREQ(VerdictWord(Verdict::Fail), "fail");
}

TEST(VerdictTest, OverRangeFailsOnlyWhereItsBoundIsAtOrAboveTheLimit) {
    // ">300k" is above any limit up to 300 kOhm, whatever number the instrument stored behind it.
    EXPECT_EQ(Judge(MakeResult(1, 1, 1, 350000.0f), Limit{10, "IEC 62305-3"}), Verdict::Fail);
    EXPECT_EQ(Judge(MakeResult(1, 1, 1, 350000.0f), Limit{300000, "custom value"}), Verdict::Fail);
    // The two-clamp mode's ">150" says nothing about a limit above 150 ohm.
    EXPECT_EQ(Judge(MakeResult(5, 1, 1, 180.0f), Limit{200, "custom value"}), Verdict::None);
    EXPECT_EQ(Judge(MakeResult(5, 1, 1, 180.0f), Limit{100, "custom value"}), Verdict::Fail);
    auto silent = MakeResult(1, 1, 1, 5.0f);
    silent.voltageCode = 0;  // no test voltage: the instrument showed no earth resistance
    EXPECT_EQ(Judge(silent, Limit{10, "custom value"}), Verdict::None);
}

TEST(VerdictTest, DoubtfulReadingsAreFlaggedWithTheirReason) {
    auto r = MakeResult(1, 1, 1, 3);
    EXPECT_TRUE(ValidityNotes(r).empty());
    r.values[record::kJammingVoltage] = 12.5f;
    r.values[record::kRh] = 62000;
    r.values[record::kRs] = 50000;  // at the threshold: not doubtful
    EXPECT_EQ(ValidityNotes(r),
              (std::vector<std::string>{"jamming voltage 12.5 V above 10 V", "Rh 62 kohm above 50 kohm"}));
    EXPECT_EQ(ValidityNotes(r, {20, 40000}),
              (std::vector<std::string>{"Rs 50 kohm above 40 kohm", "Rh 62 kohm above 40 kohm"}));
    EXPECT_EQ(ValidityNotes(MakeResult(1, 1, 1, -1)),
              std::vector<std::string>{"the instrument stored a failed reading"});
    r.values[record::kRh] = 420000;  // over range: only the bound is known
    EXPECT_EQ(ValidityNotes(r).back(), "Rh > 300 kohm above 50 kohm");
}

TEST(LimitsTest, PresetsCarryTheirSourceAndCustomValuesTheirs) {
    for (const LimitPreset& preset : LimitPresets()) {
        ASSERT_NE(std::string(preset.source), "");
        EXPECT_EQ(FindLimitPreset(preset.name), &preset);
        EXPECT_EQ(ParseLimit(preset.name).Value().ohms, preset.ohms);
    }
    EXPECT_EQ(ParseLimit("nec-rod").Value().source, "NEC 250.53(A)(2) Exception");
    EXPECT_EQ(ParseLimit("7.5").Value().source, "custom value");
    const Result<Limit> custom = ParseLimit(" 2 , client specification ");
    ASSERT_TRUE(custom);
    EXPECT_EQ(custom.Value().ohms, 2);
    EXPECT_EQ(custom.Value().source, "client specification");
    for (const char* bad : {"", "0", "-3", "ten", "5ohm", "inf", "nan", "4,", "1e999"}) {
        const Result<Limit> refused = ParseLimit(bad);
        ASSERT_FALSE(refused) << bad;
        EXPECT_EQ(refused.Error().code, ErrorCode::Refused) << bad;
    }
}

TEST_F(ArchiveTest, ExportedResultsCarryTheirPointLimitAndVerdict) {
    auto archive = OpenArchive();
    ASSERT_TRUE(StoreImage(*archive, ImageWith({{0, MakeResult(1, 1, 1, 4.0f)},
                                                {1, MakeResult(1, 1, 2, 4.5f)},
                                                {2, MakeResult(9, 1, 3, 300.0f)}}))
                    .stored);
    std::string error;
    SiteFields site;
    site.name = "Станция 7";
    site.limit = ParseLimit("gb50057-safety").Value();
    std::int64_t siteId = 0;
    std::int64_t pointId = 0;
    ASSERT_TRUE(AddSite(*archive, site, siteId, error)) << error;
    PointFields point;
    point.name = "E1";
    ASSERT_TRUE(AddPoint(*archive, siteId, point, pointId, error)) << error;
    ASSERT_TRUE(Assign(*archive, {1, 2, 3}, pointId, error)) << error;
    std::vector<ResultRow> rows;
    ASSERT_TRUE(archive->Results({}, {ResultOrder::Slot, false}, -1, 0, rows, error)) << error;
    std::vector<ResultView> views;
    for (const ResultRow& row : rows) {
        views.push_back(DescribeResult(row));
    }
    EXPECT_EQ(RunPython(R"(
import json, sys
for r in json.load(sys.stdin):
    print(r["site"], r["point"], r["limit_ohm"], r["limit_source"], r["verdict"])
)",
                        ResultsJson(views)),
              "Станция 7 E1 4 GB 50057 (as quoted) pass\n"
              "Станция 7 E1 4 GB 50057 (as quoted) fail\n"
              "Станция 7 E1 4 GB 50057 (as quoted) none");
}

}  // namespace
}  // namespace terrovane::archive::testing
