// Files of an older layout are brought up to date at open; files of a newer one are left alone.
#include "ArchiveFixtures.h"
#include "ContentKey.h"
#include "Schema.h"

namespace terrovane::archive::testing {
namespace {

// The first layout as the first release wrote it, with one read-out holding one result.
std::string FirstLayoutScript(const record::ReadOutBuffer& image) {
    const auto packet = record::PacketOf(image, 4);
    return R"sql(
CREATE TABLE readouts (id INTEGER PRIMARY KEY, read_at TEXT NOT NULL, port TEXT NOT NULL, image BLOB NOT NULL);
CREATE TABLE results (
    id INTEGER PRIMARY KEY, content_key BLOB NOT NULL UNIQUE, packet BLOB NOT NULL,
    first_readout INTEGER NOT NULL REFERENCES readouts(id), first_slot INTEGER NOT NULL, mode INTEGER NOT NULL,
    measured_on TEXT NOT NULL, measured_time TEXT NOT NULL, voltage_code INTEGER NOT NULL,
    frequency_code INTEGER NOT NULL,
    v0 REAL, v1 REAL, v2 REAL, v3 REAL, v4 REAL, v5 REAL, v6 REAL, v7 REAL, v8 REAL, v9 REAL, v10 REAL,
    distance INTEGER NOT NULL);
CREATE TABLE readout_slots (
    readout_id INTEGER NOT NULL REFERENCES readouts(id), slot INTEGER NOT NULL,
    result_id INTEGER NOT NULL REFERENCES results(id), PRIMARY KEY (readout_id, slot)) WITHOUT ROWID;
PRAGMA user_version = 1;
INSERT INTO readouts VALUES (1, '2023-04-01T12:00:00+08:00', '/dev/ttyUSB1', x')sql" +
           HexText(image) + R"(');
INSERT INTO results VALUES (1, x')" +
           HexText(ContentKey(packet)) + "', x'" + HexText(packet) +
           R"(', 1, 4, 1, '2009-01-05', '10:03:00', 1, 2, 7.5, 0, 0, 0, 0, 0, 0, 0, 0, 0.5, 0, 0);
INSERT INTO readout_slots VALUES (1, 4, 1);
)";
}

TEST_F(ArchiveTest, AFirstLayoutFileGainsLabelsAndIndexesAndKeepsItsReadOuts) {
    const auto image = ImageWith({{4, MakeResult(1, 5, 3, 7.5f)}});
    CreateWithPython(Path(), FirstLayoutScript(image));
    ASSERT_EQ(ReadArchive(Path(), "PRAGMA user_version"), "[[1]]");

    auto archive = OpenArchive();
    EXPECT_EQ(ReadArchive(Path(), "--check"), HealthyCurrentLayout());
    EXPECT_EQ(ReadArchive(Path(), "SELECT name FROM sqlite_master WHERE name = 'results_label'"),
              R"([["results_label"]])");
    std::string error;
    EXPECT_EQ(archive->Image(1, error), image);
    ASSERT_TRUE(archive->SetLabel(LabelTarget::Result, 1, "Pole 7", std::string("north stake"), error))
        << error;
    // The same packet read again is recognised by the key the first layout stored.
    const StoreOutcome outcome = StoreImage(*archive, image);
    EXPECT_EQ(outcome.knownResults, 1);
    std::vector<ResultRow> rows;
    ASSERT_TRUE(archive->Results({}, {}, -1, 0, rows, error)) << error;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].label, "Pole 7");
    EXPECT_EQ(rows[0].note, "north stake");
    EXPECT_EQ(rows[0].readAt, "2023-04-01T12:00:00+08:00");
    EXPECT_EQ(rows[0].slot, 4);
}

TEST_F(ArchiveTest, OpeningTwiceMigratesOnce) {
    ASSERT_TRUE(StoreImage(*OpenArchive(), DistinctImage(1, 3)).stored);
    auto again = OpenArchive();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(ReadArchive(Path(), "SELECT count(*) FROM results"), "[[3]]");
}

TEST_F(ArchiveTest, AFileOfANewerLayoutIsRefusedAndLeftAsItWas) {
    CreateWithPython(
        Path(), "CREATE TABLE future (x); PRAGMA user_version = " + std::to_string(kSchemaVersion + 1) + ";");
    const std::string before = ReadFile(Path());
    std::string error;
    std::string aside;
    EXPECT_EQ(Archive::Open(Path(), error, &aside), nullptr);
    EXPECT_NE(error.find("newer version"), std::string::npos) << error;
    EXPECT_TRUE(aside.empty());
    EXPECT_EQ(ReadFile(Path()), before);
}

}  // namespace
}  // namespace terrovane::archive::testing
