// Sites and test points: layout 3 from layouts 1 and 2, assignment, and edits that never lose a result.
#include "ArchiveFixtures.h"
#include "ContentKey.h"
#include "Sites.h"

namespace terrovane::archive::testing {
namespace {

// A second-layout file as that release wrote it: one read-out, one labelled result.
std::string SecondLayoutScript(const record::ReadOutBuffer& image) {
    const auto packet = record::PacketOf(image, 2);
    return R"sql(
CREATE TABLE readouts (id INTEGER PRIMARY KEY, read_at TEXT NOT NULL, port TEXT NOT NULL, image BLOB NOT NULL,
    label_id INTEGER, note TEXT);
CREATE TABLE results (
    id INTEGER PRIMARY KEY, content_key BLOB NOT NULL UNIQUE, packet BLOB NOT NULL,
    first_readout INTEGER NOT NULL REFERENCES readouts(id), first_slot INTEGER NOT NULL, mode INTEGER NOT NULL,
    measured_on TEXT NOT NULL, measured_time TEXT NOT NULL, voltage_code INTEGER NOT NULL,
    frequency_code INTEGER NOT NULL,
    v0 REAL, v1 REAL, v2 REAL, v3 REAL, v4 REAL, v5 REAL, v6 REAL, v7 REAL, v8 REAL, v9 REAL, v10 REAL,
    distance INTEGER NOT NULL, label_id INTEGER, note TEXT);
CREATE TABLE readout_slots (
    readout_id INTEGER NOT NULL REFERENCES readouts(id), slot INTEGER NOT NULL,
    result_id INTEGER NOT NULL REFERENCES results(id), PRIMARY KEY (readout_id, slot)) WITHOUT ROWID;
CREATE TABLE labels (id INTEGER PRIMARY KEY, text TEXT NOT NULL UNIQUE);
INSERT INTO labels VALUES (1, 'Mast 3');
INSERT INTO readouts VALUES (1, '2024-03-01T08:00:00+01:00', '/dev/ttyUSB0', x')sql" +
           HexText(image) + R"(', NULL, NULL);
INSERT INTO results VALUES (1, x')" +
           HexText(ContentKey(packet)) + "', x'" + HexText(packet) +
           R"(', 1, 2, 1, '2009-01-05', '10:03:00', 1, 2, 7.5, 0, 0, 0, 0, 0, 0, 0, 0, 0.5, 0, 0, 1, 'wet');
INSERT INTO readout_slots VALUES (1, 2, 1);
PRAGMA user_version = 2;
)";
}

std::vector<std::int64_t> ResultIds(Archive& archive, const ResultFilter& filter = {}) {
    std::vector<ResultRow> rows;
    std::string error;
    EXPECT_TRUE(archive.Results(filter, {ResultOrder::Slot, false}, -1, 0, rows, error)) << error;
    std::vector<std::int64_t> ids;
    for (const ResultRow& row : rows) {
        ids.push_back(row.id);
    }
    return ids;
}

class SitesTest : public ArchiveTest {
  protected:
    std::int64_t Site(Archive& archive, const std::string& name, std::optional<Limit> limit = {}) {
        SiteFields fields;
        fields.name = name;
        fields.limit = limit;
        std::int64_t id = 0;
        std::string error;
        EXPECT_TRUE(AddSite(archive, fields, id, error)) << error;
        return id;
    }
    std::int64_t Point(Archive& archive, std::int64_t site, const std::string& name,
                       std::optional<Limit> limit = {}) {
        PointFields fields;
        fields.name = name;
        fields.kind = PointKind::TowerLeg;
        fields.limit = limit;
        std::int64_t id = 0;
        std::string error;
        EXPECT_TRUE(AddPoint(archive, site, fields, id, error)) << error;
        return id;
    }
    std::string error;
};

TEST_F(SitesTest, ASecondLayoutFileGainsSitesAndKeepsItsLabelledResult) {
    const auto image = ImageWith({{2, MakeResult(1, 5, 3, 7.5f)}});
    CreateWithPython(Path(), SecondLayoutScript(image));
    auto archive = OpenArchive();
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(ReadArchive(Path(), "--check"), HealthyCurrentLayout());
    std::vector<ResultRow> rows;
    ASSERT_TRUE(archive->Results({}, {}, -1, 0, rows, error)) << error;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].label, "Mast 3");
    EXPECT_EQ(rows[0].note, "wet");
    EXPECT_FALSE(rows[0].point);
    const std::int64_t point = Point(*archive, Site(*archive, "Line 4"), "Leg A");
    ASSERT_TRUE(Assign(*archive, {1}, point, error)) << error;
    EXPECT_EQ(ReadArchive(Path(), "SELECT point_id FROM results"), "[[" + std::to_string(point) + "]]");
}

TEST_F(SitesTest, AFirstLayoutFileIsBroughtToTheThirdInOneOpen) {
    CreateWithPython(Path(), R"sql(
CREATE TABLE readouts (id INTEGER PRIMARY KEY, read_at TEXT NOT NULL, port TEXT NOT NULL, image BLOB NOT NULL);
CREATE TABLE results (id INTEGER PRIMARY KEY, content_key BLOB NOT NULL UNIQUE, packet BLOB NOT NULL,
    first_readout INTEGER NOT NULL, first_slot INTEGER NOT NULL, mode INTEGER NOT NULL, measured_on TEXT NOT NULL,
    measured_time TEXT NOT NULL, voltage_code INTEGER NOT NULL, frequency_code INTEGER NOT NULL,
    v0 REAL, v1 REAL, v2 REAL, v3 REAL, v4 REAL, v5 REAL, v6 REAL, v7 REAL, v8 REAL, v9 REAL, v10 REAL,
    distance INTEGER NOT NULL);
CREATE TABLE readout_slots (readout_id INTEGER NOT NULL, slot INTEGER NOT NULL, result_id INTEGER NOT NULL,
    PRIMARY KEY (readout_id, slot)) WITHOUT ROWID;
PRAGMA user_version = 1;
)sql");
    auto archive = OpenArchive();
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(ReadArchive(Path(),
                          "SELECT name FROM sqlite_master WHERE name IN ('sites', 'points', "
                          "'results_point', 'labels') ORDER BY name"),
              R"([["labels"], ["points"], ["results_point"], ["sites"]])");
}

TEST_F(SitesTest, NamesAreUniqueWhereTheySayAndFieldsAreChecked) {
    auto archive = OpenArchive();
    const std::int64_t north = Site(*archive, "Umspannwerk Nord");
    const std::int64_t south = Site(*archive, "变电站 南");
    std::int64_t id = 0;
    SiteFields same;
    same.name = "  Umspannwerk Nord ";
    EXPECT_FALSE(AddSite(*archive, same, id, error));
    EXPECT_EQ(error, "there is already a site named \"Umspannwerk Nord\"");
    Point(*archive, north, "E1");
    Point(*archive, south, "E1");  // the same name in another site is fine
    PointFields again;
    again.name = "E1";
    EXPECT_FALSE(AddPoint(*archive, north, again, id, error));
    EXPECT_NE(error.find("already has a test point"), std::string::npos) << error;

    SiteFields bad;
    bad.name = "Half placed";
    bad.latitude = 48.1;
    EXPECT_FALSE(AddSite(*archive, bad, id, error));
    bad.longitude = 200;
    EXPECT_FALSE(AddSite(*archive, bad, id, error));
    bad.longitude = 11.5;
    bad.limit = Limit{0, "nothing"};
    EXPECT_FALSE(AddSite(*archive, bad, id, error));
    bad.limit.reset();
    bad.intervalMonths = 0;
    EXPECT_FALSE(AddSite(*archive, bad, id, error));
    SiteFields blank;
    blank.name = "   ";
    EXPECT_FALSE(AddSite(*archive, blank, id, error));
    EXPECT_FALSE(AddPoint(*archive, 999, again, id, error));
    EXPECT_EQ(error, "there is no site 999");
}

TEST_F(SitesTest, RenamingMovingAndDeletingNeverDeletesAResult) {
    auto archive = OpenArchive();
    ASSERT_TRUE(StoreImage(*archive, DistinctImage(1, 6)).stored);
    const std::vector<std::int64_t> ids = ResultIds(*archive);
    const std::int64_t site = Site(*archive, "Line 4");
    const std::int64_t other = Site(*archive, "Line 5");
    const std::int64_t legA = Point(*archive, site, "Leg A");
    const std::int64_t legB = Point(*archive, site, "Leg B");
    ASSERT_TRUE(Assign(*archive, {ids[0], ids[1]}, legA, error)) << error;
    ASSERT_TRUE(Assign(*archive, {ids[2]}, legB, error)) << error;

    SiteFields renamed;
    renamed.name = "Line 4 (new)";
    ASSERT_TRUE(UpdateSite(*archive, site, renamed, error)) << error;
    ResultFilter bySite;
    bySite.site = "Line 4 (new)";
    EXPECT_EQ(ResultIds(*archive, bySite).size(), 3u);

    ASSERT_TRUE(MovePoint(*archive, legB, other, error)) << error;
    bySite.site = "Line 5";
    EXPECT_EQ(ResultIds(*archive, bySite), std::vector<std::int64_t>{ids[2]});

    ASSERT_TRUE(DeletePoint(*archive, legA, error)) << error;
    ASSERT_TRUE(DeleteSite(*archive, other, error)) << error;
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*), count(point_id) FROM results"), "[[6, 0]]");
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM points"), "[[0]]");
    EXPECT_FALSE(DeletePoint(*archive, legA, error));
    EXPECT_EQ(error, "there is no test point " + std::to_string(legA));
    ResultFilter unassigned;
    unassigned.unassigned = true;
    EXPECT_EQ(ResultIds(*archive, unassigned), ids);
}

TEST_F(SitesTest, ARunOfSlotsGoesToTheSitesPointsInOrder) {
    auto archive = OpenArchive();
    ASSERT_TRUE(StoreImage(*archive, DistinctImage(2, 4)).stored);
    const std::vector<std::int64_t> ids = ResultIds(*archive);
    const std::int64_t site = Site(*archive, "Tower line", Limit{10, "IEC 62305-3"});
    std::vector<std::int64_t> legs;
    for (const char* name : {"T1", "T2", "T3", "T4", "T5"}) {
        legs.push_back(Point(*archive, site, name));
    }
    EXPECT_FALSE(AssignInOrder(*archive, ids, site, 2, error));  // only 3 points from T3 on
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(point_id) FROM results"), "[[0]]");
    ASSERT_TRUE(AssignInOrder(*archive, ids, site, 1, error)) << error;
    std::vector<ResultRow> rows;
    ASSERT_TRUE(archive->Results({}, {ResultOrder::Slot, false}, -1, 0, rows, error)) << error;
    ASSERT_EQ(rows.size(), 4u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].point, legs[i + 1]);
        EXPECT_EQ(rows[i].site, "Tower line");
        ASSERT_TRUE(rows[i].limit);
        EXPECT_EQ(rows[i].limit->ohms, 10);
        EXPECT_EQ(rows[i].limit->source, "IEC 62305-3");
    }
    // A point's own limit wins over the site's.
    PointFields own;
    own.name = "T2";
    own.limit = Limit{4.5, "client specification"};
    ASSERT_TRUE(UpdatePoint(*archive, legs[1], own, error)) << error;
    ASSERT_TRUE(archive->Result(ids[0], error)->limit);
    EXPECT_EQ(archive->Result(ids[0], error)->limit->source, "client specification");
    EXPECT_EQ(archive->Result(ids[1], error)->limit->ohms, 10);
    // An unknown result undoes the whole assignment.
    EXPECT_FALSE(Assign(*archive, {ids[0], 4242}, std::nullopt, error));
    EXPECT_EQ(error, "there is no result 4242");
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(point_id) FROM results"), "[[4]]");
}

}  // namespace
}  // namespace terrovane::archive::testing
