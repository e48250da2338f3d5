// Results typed by hand: their values and units, the versions a correction makes, what is refused, and how
// they count for a point's verdict and due date.
#include "ArchiveFixtures.h"
#include "Due.h"
#include "Problems.h"
#include "ResultCheck.h"
#include "Sites.h"
#include "TypedResults.h"
#include "TypedVerdict.h"

namespace terrovane::archive::testing {
namespace {

TEST(TypedValueTest, UnitsInEverySpellingComeToTheBaseUnit) {
    const std::vector<std::pair<std::string, TypedValue>> cases = {
        {"Re=12.5", {"Re", 12.5, false}},      {"Re=12.5k\u03a9", {"Re", 12500, false}},
        {"Re=12.5kohm", {"Re", 12500, false}}, {"Re=250m\u03a9", {"Re", 0.25, false}},
        {"Re=3\u2126", {"Re", 3, false}},      {"Re=>300k", {"Re", 300000, true}},
        {"rho=85ohm.m", {"rho", 85, false}},   {"rho=1.5k\u03a9\u00b7m", {"rho", 1500, false}},
        {"I=20mA", {"I", 0.02, false}},        {"I=1.5e-3A", {"I", 0.0015, false}},
    };
    for (const auto& [text, expected] : cases) {
        const TypedValueParse parsed = ParseTypedValue(text);
        ASSERT_TRUE(parsed.value) << text << ": " << parsed.problem;
        EXPECT_EQ(parsed.value->name, expected.name) << text;
        EXPECT_DOUBLE_EQ(parsed.value->number, expected.number) << text;
        EXPECT_EQ(parsed.value->overRange, expected.overRange) << text;
    }
}

TEST(TypedValueTest, EachBadEntrySaysWhatIsWrong) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Re12", "a value is typed NAME=VALUE with its unit, as Re=12.5 or Re=>300k, not \"Re12\""},
        {"X=12", "\"X\" is no value name (Re, Rs, Rh, Rk, Rac, R, rho, I)"},
        {"Re=twelve", "the value of Re is no number: \"twelve\""},
        {"Re=12,5", "the value of Re is no number: \"12,5\""},
        {"Re=", "the value of Re is no number: \"\""},
        {"Re=-2", "the value of Re may not be negative"},
        {"Re=5A", "\"A\" is no unit of Re, which takes \u03a9, k\u03a9, m\u03a9"},
        {"rho=5kohm", "\"kohm\" is no unit of rho, which takes \u03a9\u00b7m, k\u03a9\u00b7m"},
        {"I=3ohm", "\"ohm\" is no unit of I, which takes A, mA"},
        {"Re=1e999", "the value of Re is no number: \"1e999\""},
    };
    for (const auto& [text, problem] : cases) {
        const TypedValueParse parsed = ParseTypedValue(text);
        EXPECT_FALSE(parsed.value) << text;
        EXPECT_EQ(parsed.problem, problem) << text;
    }
}

class TypedResultsTest : public ArchiveTest {
  protected:
    void SetUp() override {
        archive = OpenArchive();
        ASSERT_NE(archive, nullptr);
        std::string error;
        SiteFields site;
        site.name = "Substation";
        site.limit = Limit{10, "client"};
        site.intervalMonths = 12;
        ASSERT_TRUE(AddSite(*archive, site, siteId, error)) << error;
        PointFields rod;
        rod.name = "Rod 1";
        ASSERT_TRUE(AddPoint(*archive, siteId, rod, point, error)) << error;
    }

    TypedResultFields Typed(const std::string& measured, std::vector<TypedValue> values) const {
        TypedResultFields fields;
        fields.point = point;
        fields.method = "fall-of-potential";
        fields.values = std::move(values);
        fields.measured = measured;
        fields.instrument = "Other make 4105, serial 77";
        fields.measuredBy = "Jo Field";
        fields.note = "after rain";
        fields.typedBy = "office";
        return fields;
    }

    std::string Refusal(const TypedResultFields& fields) {
        const Result<std::int64_t> added = AddTypedResult(*archive, fields);
        return added ? "stored" : added.Error().Text();
    }

    std::unique_ptr<Archive> archive;
    std::int64_t siteId = 0;
    std::int64_t point = 0;
};

TEST_F(TypedResultsTest, AResultWithAValueOverRangeIsStoredAndReadBackAsTyped) {
    const TypedResultFields fields =
        Typed("2024-03-01 09:15", {{"Re", 4.2, false}, {"Rh", 300000, true}, {"Rs", 1200, false}});
    const Result<std::int64_t> id = AddTypedResult(*archive, fields);
    ASSERT_TRUE(id) << id.Error().Text();

    const Result<TypedResultVersion> read = TypedResultById(*archive, id.Value());
    ASSERT_TRUE(read) << read.Error().Text();
    const TypedResultVersion& version = read.Value();
    EXPECT_EQ(version.fields.values, fields.values);
    EXPECT_EQ(version.fields.measured, "2024-03-01 09:15");
    EXPECT_EQ(version.time, "09:15:00");
    EXPECT_EQ(version.fields.instrument, fields.instrument);
    EXPECT_EQ(version.fields.measuredBy, "Jo Field");
    EXPECT_EQ(version.fields.note, "after rain");
    EXPECT_EQ(version.fields.typedBy, "office");
    EXPECT_EQ(version.site, "Substation");
    EXPECT_EQ(version.pointName, "Rod 1");
    EXPECT_EQ(version.firstVersion, version.uuid);
    EXPECT_FALSE(version.typedAt.empty());
    EXPECT_FALSE(version.replaces || version.replacedBy);
    // Over range is its bound with no reading, as an independent reader sees the file.
    EXPECT_EQ(ReadArchive(Path(), "SELECT name, value, over_range_bound FROM typed_values ORDER BY ordinal"),
              R"([["Re", 4.2, null], ["Rh", null, 300000.0], ["Rs", 1200.0, null]])");
    EXPECT_EQ(JudgeTyped(version.fields, version.limit), Verdict::Pass);
}

TEST_F(TypedResultsTest, ACorrectionIsANewVersionAndTheOldOneStaysInItsHistory) {
    const Result<std::int64_t> first =
        AddTypedResult(*archive, Typed("2024-03-01 09:15", {{"Re", 42, false}}));
    ASSERT_TRUE(first) << first.Error().Text();
    const Result<std::int64_t> second =
        CorrectTypedResult(*archive, first.Value(), Typed("2024-03-01 09:15", {{"Re", 4.2, false}}));
    ASSERT_TRUE(second) << second.Error().Text();

    const Result<std::vector<TypedResultVersion>> history = TypedResultHistory(*archive, first.Value());
    ASSERT_TRUE(history) << history.Error().Text();
    ASSERT_EQ(history.Value().size(), 2u);
    EXPECT_EQ(history.Value()[0].id, second.Value());
    EXPECT_EQ(history.Value()[0].replaces, first.Value());
    EXPECT_EQ(history.Value()[1].replacedBy, second.Value());
    EXPECT_EQ(history.Value()[1].fields.values[0].number, 42);
    EXPECT_EQ(history.Value()[0].firstVersion, history.Value()[1].uuid);

    // The point has one result, the newest version.
    ResultFilter atPoint;
    atPoint.pointId = point;
    const auto current = TypedResults(*archive, atPoint);
    ASSERT_TRUE(current) << current.Error().Text();
    ASSERT_EQ(current.Value().size(), 1u);
    EXPECT_EQ(current.Value()[0].id, second.Value());
    ResultFilter filter;
    filter.site = "Substation";
    filter.since = "2024-03-01";
    EXPECT_EQ(TypedResults(*archive, filter).Value().size(), 1u);
    filter.since = "2024-03-02";
    EXPECT_EQ(TypedResults(*archive, filter).Value().size(), 0u);
    filter = {};
    filter.labelContains = "";
    EXPECT_EQ(TypedResults(*archive, filter).Value().size(), 0u);

    // Only the newest version is corrected, and no version changes in the file.
    const auto again =
        CorrectTypedResult(*archive, first.Value(), Typed("2024-03-01 09:15", {{"Re", 5, false}}));
    ASSERT_FALSE(again);
    EXPECT_EQ(again.Error().Text(),
              Problem(kAlreadyCorrected, {std::to_string(first.Value()), std::to_string(second.Value())}));
    const Status changed = archive->Run(Archive::Access::Write, [](Database& db) -> Status {
        const int rc = db.Exec("UPDATE typed_values SET value = 1");
        return rc == 0 ? Status(Done{}) : Status(FailureOf(rc, db.Error()));
    });
    EXPECT_FALSE(changed);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_values WHERE value = 1"), "[[0]]");
}

TEST_F(TypedResultsTest, EveryBadFieldIsRefusedWithItsReasonAndNothingStored) {
    TypedResultFields unknown = Typed("2024-03-01 09:15", {{"Re", 4, false}});
    unknown.method = "dowsing";
    EXPECT_EQ(Refusal(unknown).rfind("there is no method \"dowsing\"; the methods are 3-pole, 4-pole,", 0),
              0u);
    EXPECT_EQ(Refusal(Typed("2024-03-01 09:15", {{"Rs", 4, false}})),
              "a result of the method fall-of-potential needs its value Re");
    EXPECT_EQ(Refusal(Typed("2024-03-01 09:15", {{"Re", 4, false}, {"rho", 4, false}})),
              "a result of the method fall-of-potential has no value rho; it takes Re, Rs, Rh");
    EXPECT_EQ(Refusal(Typed("2024-03-01 09:15", {{"Re", 4, false}, {"Re", 5, false}})),
              "the value Re is given twice");
    for (const std::string date :
         {"2023-02-29 10:00", "2024-03-01 24:00", "2024-03-01", "01.03.2024 10:00"}) {
        EXPECT_EQ(
            Refusal(Typed(date, {{"Re", 4, false}})),
            "the measuring date and time are written YYYY-MM-DD HH:MM and must exist, not \"" + date + "\"");
    }
    EXPECT_EQ(Refusal(Typed("2999-01-01 00:00", {{"Re", 4, false}})),
              "the measuring date 2999-01-01 00:00 lies in the future");
    TypedResultFields nowhere = Typed("2024-03-01 09:15", {{"Re", 4, false}});
    nowhere.point = 999;
    const Result<std::int64_t> missing = AddTypedResult(*archive, nowhere);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.Error().code, ErrorCode::NoSuchItem);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_results"), "[[0]]");
    EXPECT_EQ(TypedResultById(*archive, 5).Error().code, ErrorCode::NoSuchItem);
}

TEST_F(TypedResultsTest, ATypedEarthResistanceIsJudgedLikeAReading) {
    const Limit limit{10, "client"};
    EXPECT_EQ(JudgeTyped(Typed("2024-03-01 09:15", {{"Re", 10, false}}), limit), Verdict::Pass);
    EXPECT_EQ(JudgeTyped(Typed("2024-03-01 09:15", {{"Re", 10.01, false}}), limit), Verdict::Fail);
    // Over range above a bound at the limit is above it; above a lower bound tells nothing.
    EXPECT_EQ(JudgeTyped(Typed("2024-03-01 09:15", {{"Re", 10, true}}), limit), Verdict::Fail);
    EXPECT_EQ(JudgeTyped(Typed("2024-03-01 09:15", {{"Re", 2, true}}), limit), Verdict::None);
    EXPECT_EQ(JudgeTyped(Typed("2024-03-01 09:15", {{"Re", 2, false}}), std::nullopt), Verdict::None);
    TypedResultFields soil = Typed("2024-03-01 09:15", {{"rho", 2, false}});
    soil.method = "resistivity";
    EXPECT_EQ(JudgeTyped(soil, limit), Verdict::None);
}

TEST_F(TypedResultsTest, TheNewestTypedResultSetsThePointsDueDateAndItsCorrectionMovesIt) {
    // A read-out's result of 2009-01-05 that measured, on the same point.
    ASSERT_TRUE(StoreImage(*archive, ImageWith({{0, MakeResult(1, 5, 1, 2)}})).stored);
    std::string error;
    ASSERT_TRUE(Assign(*archive, {1}, point, error)) << error;
    const auto dueOf = [&]() {
        std::vector<DuePoint> due;
        EXPECT_TRUE(terrovane::testing::Into(DueList(*archive, "2024-06-01", siteId), due));
        return due.empty() ? std::string() : due[0].lastTested + " " + due[0].dueOn;
    };
    EXPECT_EQ(dueOf(), "2009-01-05 2010-01-05");

    const Result<std::int64_t> typed =
        AddTypedResult(*archive, Typed("2024-03-01 09:15", {{"Re", 4, false}}));
    ASSERT_TRUE(typed) << typed.Error().Text();
    EXPECT_EQ(dueOf(), "2024-03-01 2025-03-01");
    // Typed with the wrong year: the correction's date counts, not the old version's.
    ASSERT_TRUE(CorrectTypedResult(*archive, typed.Value(), Typed("2008-03-01 09:15", {{"Re", 4, false}})));
    EXPECT_EQ(dueOf(), "2009-01-05 2010-01-05");
    // A typed result stays when its point goes, unassigned.
    ASSERT_TRUE(DeletePoint(*archive, point, error)) << error;
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM typed_results WHERE point_id IS NULL"), "[[2]]");
}

}  // namespace
}  // namespace terrovane::archive::testing
