// Layout 5: files of layouts 1 to 4 brought up to it, validated measuring dates with their bytes kept,
// ids made once, modification stamps from the archive's clock, and tombstones for deletes.
#include <regex>

#include "ArchiveFixtures.h"
#include "ContentKey.h"
#include "Due.h"
#include "Hlc.h"
#include "ResultCheck.h"
#include "Schema.h"
#include "Sites.h"

namespace terrovane::archive::testing {
namespace {

const std::regex kUuid("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}");

// A result measured on 2024-<month byte>-05, the month byte exactly as the instrument sent it.
record::MeasurementRecord MeasuredIn(std::uint32_t monthByte, int minute) {
    record::MeasurementRecord result = MakeResult(1, 5, minute, 7.5f);
    result.year = 0x24;
    result.month = monthByte;
    return result;
}

// A file of `layout` as that release made it, holding one read-out with a valid result in slot 1 and one
// whose month byte is 0x1A in slot 2; from layout 2 on the first is labelled, from layout 3 on both are
// assigned to point "Leg A" of site "Line 4", and a layout 4 file has a soil model for the site.
std::string OlderLayoutScript(int layout, const record::ReadOutBuffer& image) {
    std::string script;
    for (int step = 0; step < layout; ++step) {
        script += LayoutStepSql(step);
    }
    script +=
        "INSERT INTO readouts(id, read_at, port, image) VALUES (1, '2024-06-01T08:00:00+02:00', "
        "'/dev/ttyUSB0', x'" +
        HexText(image) + "');\n";
    const char* dates[] = {"2024-03-05", "2024-20-05"};
    for (std::size_t slot = 1; slot <= 2; ++slot) {
        const auto packet = record::PacketOf(image, slot);
        script +=
            "INSERT INTO results(id, content_key, packet, first_readout, first_slot, mode, measured_on, "
            "measured_time, voltage_code, frequency_code, v0, distance) VALUES (" +
            std::to_string(slot) + ", x'" + HexText(ContentKey(packet)) + "', x'" + HexText(packet) +
            "', 1, " + std::to_string(slot) + ", 1, '" + dates[slot - 1] + "', '10:0" + std::to_string(slot) +
            ":00', 1, 2, 7.5, 0);\n"
            "INSERT INTO readout_slots VALUES (1, " +
            std::to_string(slot) + ", " + std::to_string(slot) + ");\n";
    }
    if (layout >= 2) {
        script +=
            "INSERT INTO labels VALUES (1, 'Mast 3'); UPDATE results SET label_id = 1, note = 'wet' "
            "WHERE id = 1;\n";
    }
    if (layout >= 3) {
        // As those releases kept it: the latest date by text, the invalid one included.
        script +=
            "INSERT INTO sites(id, name, limit_ohm, limit_source, interval_months) VALUES (1, 'Line 4', 10, "
            "'custom value', 12);\n"
            "INSERT INTO points(id, site_id, name, ordinal, last_measured) VALUES (1, 1, 'Leg A', 1, "
            "'2024-20-05');\n"
            "UPDATE results SET point_id = 1;\n";
    }
    if (layout >= 4) {
        script += "INSERT INTO soil_models VALUES (1, 1, '2024-06-02T10:00:00+02:00', 'auto', 1.5);\n";
    }
    return script + "PRAGMA user_version = " + std::to_string(layout) + ";\n";
}

class LayoutFiveTest : public ArchiveTest, public ::testing::WithParamInterface<int> {
  protected:
    void CreateWithPython(const std::string& script) {
        RunPython("import sqlite3, sys\ndb = sqlite3.connect('" + Path() +
                      "')\ndb.executescript(sys.stdin.read())\ndb.commit()\n",
                  script);
    }
    std::string Query(const std::string& sql) { return ReadArchive(Path(), sql); }
    std::string error;
};

TEST_P(LayoutFiveTest, AnOlderFileKeepsEveryRowAndGainsDatesIdsAndStamps) {
    const int layout = GetParam();
    const auto image = ImageWith({{1, MeasuredIn(0x03, 1)}, {2, MeasuredIn(0x1A, 2)}});
    CreateWithPython(OlderLayoutScript(layout, image));
    auto archive = OpenArchive();
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(Query("--check"), SoundCheck());
    // The shown text stays; only a real date is a date.
    EXPECT_EQ(Query("SELECT measured_on, measured_date, hex(measured_raw) FROM results ORDER BY id"),
              R"([["2024-03-05", "2024-03-05", "240305100100"], ["2024-20-05", null, "241A05100200"]])");
    const std::string device = Query("SELECT device FROM archive_clock");
    EXPECT_TRUE(std::regex_search(device, kUuid)) << device;
    EXPECT_EQ(Query("SELECT count(*) FROM results WHERE modified IS NULL OR modified NOT LIKE '%' || "
                    "(SELECT device FROM archive_clock)"),
              "[[0]]");
    std::vector<ResultRow> rows;
    ASSERT_TRUE(archive->Results({}, {}, -1, 0, rows, error)) << error;
    ASSERT_EQ(rows.size(), 2u);
    if (layout >= 2) {
        EXPECT_EQ(rows[0].label, "Mast 3");
        EXPECT_EQ(rows[0].note, "wet");
        EXPECT_TRUE(std::regex_search(Query("SELECT uuid FROM labels"), kUuid));
        EXPECT_TRUE(std::regex_search(Query("SELECT note_uuid FROM results WHERE id = 1"), kUuid));
    }
    if (layout >= 3) {
        EXPECT_TRUE(std::regex_search(Query("SELECT uuid FROM sites"), kUuid));
        EXPECT_TRUE(std::regex_search(Query("SELECT limit_uuid FROM sites"), kUuid));
        EXPECT_EQ(Query("SELECT count(DISTINCT assignment_uuid) FROM results"), "[[2]]");
        // The due date now comes from the valid result alone.
        std::vector<DuePoint> due;
        ASSERT_TRUE(terrovane::testing::Into(DueList(*archive, "2025-01-01", 0), due));
        ASSERT_EQ(due.size(), 1u);
        EXPECT_EQ(due[0].lastTested, "2024-03-05");
        EXPECT_EQ(due[0].dueOn, "2025-03-05");
    }
    if (layout >= 4) {
        EXPECT_TRUE(std::regex_search(Query("SELECT uuid FROM soil_models"), kUuid));
    }
    // The file goes on working: a new read-out of the same results is recognised.
    EXPECT_EQ(StoreImage(*archive, image).knownResults, 2);
}

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutFiveTest, ::testing::Values(1, 2, 3, 4));

class StampsTest : public LayoutFiveTest {};

TEST_F(StampsTest, AnInvalidDateIsKeptShownButNeverTheLatestTest) {
    auto archive = OpenArchive();
    ASSERT_NE(archive, nullptr);
    const auto image = ImageWith({{0, MeasuredIn(0x03, 1)}, {1, MeasuredIn(0x1A, 2)}});
    ASSERT_TRUE(StoreImage(*archive, image).stored);
    SiteFields site;
    site.name = "Line 4";
    site.intervalMonths = 12;
    std::int64_t siteId = 0;
    std::int64_t pointId = 0;
    ASSERT_TRUE(AddSite(*archive, site, siteId, error)) << error;
    PointFields point;
    point.name = "Leg A";
    ASSERT_TRUE(AddPoint(*archive, siteId, point, pointId, error)) << error;
    ASSERT_TRUE(Assign(*archive, {1, 2}, pointId, error)) << error;
    EXPECT_EQ(Query("SELECT measured_on, measured_date FROM results ORDER BY id"),
              R"([["2024-03-05", "2024-03-05"], ["2024-20-05", null]])");
    std::vector<DuePoint> due;
    ASSERT_TRUE(terrovane::testing::Into(DueList(*archive, "2025-04-01", siteId), due));
    ASSERT_EQ(due.size(), 1u);
    EXPECT_EQ(due[0].lastTested, "2024-03-05");
    EXPECT_TRUE(due[0].overdue);
    // Filters by date leave out a result that has none.
    ResultFilter filter;
    filter.since = "2024-01-01";
    std::vector<ResultRow> rows;
    ASSERT_TRUE(archive->Results(filter, {}, -1, 0, rows, error)) << error;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].id, 1);
}

TEST_F(StampsTest, ChangesAdvanceTheStampKeepTheIdAndDeletesLeaveATombstone) {
    auto archive = OpenArchive();
    ASSERT_NE(archive, nullptr);
    SiteFields site;
    site.name = "Line 4";
    std::int64_t siteId = 0;
    ASSERT_TRUE(AddSite(*archive, site, siteId, error)) << error;
    const std::string made = Query("SELECT uuid, modified FROM sites");
    site.name = "Line 5";
    site.limit = Limit{10, "custom value"};
    ASSERT_TRUE(UpdateSite(*archive, siteId, site, error)) << error;
    const std::string changed = Query("SELECT uuid, modified, limit_uuid FROM sites");
    const auto field = [](const std::string& json, int index) {
        std::smatch match;
        std::string rest = json;
        for (int i = 0; i <= index; ++i) {
            EXPECT_TRUE(std::regex_search(rest, match, std::regex("\"([^\"]*)\"")));
            if (i < index) {
                rest = match.suffix();
            }
        }
        return match[1].str();
    };
    EXPECT_EQ(field(made, 0), field(changed, 0));
    EXPECT_LT(field(made, 1), field(changed, 1));
    EXPECT_TRUE(std::regex_match(field(changed, 2), kUuid));
    ASSERT_TRUE(ParseStamp(field(changed, 1)));

    ASSERT_TRUE(DeleteSite(*archive, siteId, error)) << error;
    const std::string tombstone = Query("SELECT kind, uuid, deleted FROM tombstones");
    EXPECT_EQ(field(tombstone, 0), "sites");
    EXPECT_EQ(field(tombstone, 1), field(made, 0));
    EXPECT_LT(field(changed, 1), field(tombstone, 2));
    std::vector<SiteRow> sites;
    ASSERT_TRUE(Sites(*archive, sites, error)) << error;
    EXPECT_TRUE(sites.empty());
}

TEST(HlcTest, StampsOnlyGrowAndSortAsTheirTexts) {
    const HlcStamp start{1'733'745'600'000, 3, "dev"};
    // The wall clock went back an hour: the counter carries on.
    const HlcStamp back = NextStamp(start, start, start.millis - 3'600'000);
    EXPECT_EQ(back.millis, start.millis);
    EXPECT_EQ(back.counter, 4);
    // A stamp from elsewhere ahead of ours is passed.
    const HlcStamp remote{start.millis + 50, 9, "other"};
    const HlcStamp after = NextStamp(back, remote, start.millis);
    EXPECT_EQ(after.millis, remote.millis);
    EXPECT_EQ(after.counter, 10);
    EXPECT_EQ(after.device, "dev");
    const HlcStamp later = NextStamp(after, after, start.millis + 1000);
    EXPECT_EQ(later.counter, 0);
    for (const auto& [a, b] : {std::pair(start, back), std::pair(back, after), std::pair(after, later)}) {
        EXPECT_LT(a, b);
        EXPECT_LT(StampText(a), StampText(b));
        EXPECT_EQ(ParseStamp(StampText(b)), b);
    }
    EXPECT_EQ(StampText(start), "001733745600000-00003-dev");
    EXPECT_FALSE(ParseStamp("12-x-dev"));
    EXPECT_FALSE(ParseStamp("12-3"));
}

}  // namespace
}  // namespace terrovane::archive::testing
