// Layout 6: a file of layout 5 brought up to it lists everything it held as not yet sent to a team server,
// and from then on every change made through the archive's own write paths is listed, once per row.
#include "ArchiveFixtures.h"
#include "Schema.h"
#include "Sites.h"

namespace terrovane::archive::testing {
namespace {

SiteFields SiteNamed(const std::string& name) {
    SiteFields fields;
    fields.name = name;
    return fields;
}

PointFields PointNamed(const std::string& name) {
    PointFields fields;
    fields.name = name;
    return fields;
}

class LayoutSixTest : public ArchiveTest {
  protected:
    std::string Outbox() { return ReadArchive(Path(), "SELECT kind FROM sync_outbox ORDER BY kind, ref"); }
};

// What a program of layout 5 left: the same file without the sync's tables and triggers (and without grid
// assessments, which came beside the layouts and took ids later).
constexpr const char* kBackToLayoutFive = R"py(
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("DROP TABLE grid_assessments")
for kind, name in db.execute("SELECT type, name FROM sqlite_schema WHERE name LIKE 'sync_%' OR name LIKE '%_outbox_%'").fetchall():
    if kind in ('table', 'trigger'):
        db.execute("DROP %s IF EXISTS %s" % (kind.upper(), name))
db.execute("PRAGMA user_version = 5")
db.commit()
)py";

TEST_F(LayoutSixTest, AnOlderFileListsEverythingItHeldAsUnsent) {
    std::string error;
    {
        auto archive = OpenArchive();
        ASSERT_NE(archive, nullptr);
        std::int64_t site = 0;
        std::int64_t gone = 0;
        std::int64_t point = 0;
        ASSERT_TRUE(AddSite(*archive, SiteNamed("Line 4"), site, error)) << error;
        ASSERT_TRUE(AddSite(*archive, SiteNamed("Old yard"), gone, error)) << error;
        ASSERT_TRUE(AddPoint(*archive, site, PointNamed("Leg A"), point, error)) << error;
        ASSERT_TRUE(DeleteSite(*archive, gone, error)) << error;
        ASSERT_TRUE(StoreImage(*archive, DistinctImage(1, 2)).stored);
        ASSERT_TRUE(Assign(*archive, {1}, point, error)) << error;
    }
    RunCommand("/usr/bin/python3 -c " + terrovane::testing::ShellQuoted(kBackToLayoutFive) + " " +
               terrovane::testing::ShellQuoted(Path()));
    ASSERT_EQ(ReadArchive(Path(), "PRAGMA user_version"), "[[5]]");

    auto archive = OpenArchive();
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(ReadArchive(Path(), "PRAGMA user_version"), "[[" + std::to_string(kSchemaVersion) + "]]");
    // Two sites (one of them deleted), the point, the read-out and the assigned result.
    EXPECT_EQ(Outbox(), R"([["point"], ["readout"], ["result"], ["site"], ["site"]])");
}

TEST_F(LayoutSixTest, EachChangeListsItsRowOnceAndTheSyncsOwnWritesAreNotListed) {
    auto archive = OpenArchive();
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(Outbox(), "[]");
    std::string error;
    std::int64_t site = 0;
    ASSERT_TRUE(AddSite(*archive, SiteNamed("Line 4"), site, error)) << error;
    ASSERT_TRUE(UpdateSite(*archive, site, SiteNamed("Line 5"), error)) << error;
    ASSERT_TRUE(StoreImage(*archive, DistinctImage(2, 3)).stored);
    ASSERT_TRUE(archive->SetLabel(LabelTarget::Result, 2, "Mast", std::nullopt, error)) << error;
    EXPECT_EQ(Outbox(), R"([["readout"], ["result"], ["site"]])");

    const Status applying = archive->Run(Archive::Access::Write, [](Database& db) -> Status {
        const int rc = db.Exec(
            "DELETE FROM sync_outbox; INSERT INTO sync_applying VALUES (1); "
            "UPDATE sites SET address = 'from the team'; DELETE FROM sync_applying;");
        return rc == 0 ? Status(Done{}) : Status(FailureOf(rc, db.Error()));
    });
    ASSERT_TRUE(applying.Ok());
    EXPECT_EQ(Outbox(), "[]");
}

}  // namespace
}  // namespace terrovane::archive::testing
