#include "SyncFixture.h"

#include <chrono>
#include <filesystem>

#include "ArchiveFixtures.h"
#include "ScratchFolder.h"
#include "ShellCommand.h"
#include "Sites.h"
#include "TestServer.h"

namespace terrovane::testing {

void SyncTest::SetUp() {
    TeamDatabase::SetUp();
    for (const char* who : {"ann", "bob", "cy"}) {
        Member(who, team::MemberRole::Admin);
    }
    folder_ = (ScratchFolder() / db_.Name()).string();
    std::filesystem::create_directories(folder_);
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
}

std::string SyncTest::PsqlAs(const std::string& who, const std::string& sql) const {
    const TestServer& server = RunningServer();
    const CommandOutput out = RunCommand(ShellQuoted(server.bindir + "/psql") + " -X -A -t -d " +
                                         ShellQuoted(db_.SocketConninfo(db_.Login(who), "pw-" + who)) +
                                         " -c " + ShellQuoted(sql) + " 2>&1");
    return out.text;
}

std::string SyncTest::ArchivePath(const std::string& who) const {
    return folder_ + "/" + who + ".sqlite";
}

archive::Archive& SyncTest::Archive(const std::string& who) {
    auto& archive = archives_[who];
    if (archive == nullptr) {
        std::string error;
        archive = archive::Archive::Open(ArchivePath(who), error);
        EXPECT_NE(archive, nullptr) << error;
    }
    return *archive;
}

sync::SyncReport SyncTest::Sync(const std::string& who, const std::string& conninfo) {
    Archive(who);  // made, as the program makes it before its first sync
    sync::SyncOptions options;
    options.connection.conninfo = conninfo.empty() ? db_.TcpConninfo(db_.Login(who), "pw-" + who) : conninfo;
    options.connection.connectTimeout = std::chrono::seconds(5);
    options.settle = std::chrono::seconds(20);
    return sync::Synchronize(ArchivePath(who), options);
}

void SyncTest::SyncAll(std::initializer_list<std::string> who) {
    for (int round = 0; round < 2; ++round) {
        for (const std::string& one : who) {
            const sync::SyncReport report = Sync(one);
            ASSERT_EQ(report.error, sync::SyncError::None) << one << ": " << report.detail;
            ASSERT_TRUE(report.inSync) << one;
        }
    }
}

std::string SyncTest::Query(const std::string& who, const std::string& sql) const {
    return archive::testing::ReadArchive(ArchivePath(who), sql);
}

namespace {

// What the team shares, statement by statement: one run of the reader reads them all.
const std::vector<std::string>& SharedStatements() {
    static const std::vector<std::string> statements = {
        "SELECT 'site', uuid, name, address, latitude, longitude, notes, limit_ohm, limit_source, "
        "interval_months FROM sites ORDER BY uuid",
        "SELECT 'point', p.uuid, s.uuid, p.name, p.kind, p.notes, p.limit_ohm, p.interval_months, "
        "p.last_measured FROM points p JOIN sites s ON s.id = p.site_id ORDER BY p.uuid",
        "SELECT 'readout', read_at, port, substr(hex(image), 1, 600), l.text, o.note FROM readouts o "
        "LEFT JOIN labels l ON l.id = o.label_id ORDER BY read_at, hex(image)",
        "SELECT 'result', hex(r.content_key), p.uuid, l.text, r.note FROM results r "
        "LEFT JOIN points p ON p.id = r.point_id LEFT JOIN labels l ON l.id = r.label_id "
        "ORDER BY hex(r.content_key)",
        "SELECT 'visit', v.uuid, s.uuid, v.visited_on, v.visited_by, v.instruments, v.weather, "
        "v.air_temperature, v.soil, v.notes FROM visits v JOIN sites s ON s.id = v.site_id ORDER BY "
        "v.uuid",
        "SELECT 'in visit', hex(r.content_key), v.uuid FROM results r JOIN visits v ON v.id = "
        "r.visit_id "
        "ORDER BY hex(r.content_key)",
        "SELECT 'typed result', t.uuid, t.first_version, r.uuid, p.uuid, t.typed_at FROM "
        "typed_results "
        "t LEFT JOIN typed_results r ON r.id = t.replaces LEFT JOIN points p ON p.id = t.point_id "
        "UNION ALL SELECT 'typed traverse', t.uuid, NULL, NULL, p.uuid, t.typed_at FROM "
        "typed_traverses t JOIN points p ON p.id = t.point_id UNION ALL SELECT 'typed sounding', "
        "t.uuid, NULL, NULL, s.uuid, t.typed_at FROM typed_soundings t JOIN sites s ON s.id = "
        "t.site_id ORDER BY 1, 2",
        "SELECT 'soil model', uuid, saved_at FROM soil_models UNION ALL "
        "SELECT 'fop curve', uuid, saved_at FROM fop_curves UNION ALL "
        "SELECT 'grid assessment', uuid, saved_at FROM grid_assessments ORDER BY 2"};
    return statements;
}

std::string Joined(const std::vector<std::string>& rows) {
    std::string joined;
    for (const std::string& row : rows)
        joined += row;
    return joined;
}

constexpr const char* kBaseStamps =
    "SELECT kind, uuid, field, stamp FROM sync_fields ORDER BY kind, uuid, field";

}  // namespace

std::string SyncTest::Shared(const std::string& who) const {
    return Joined(archive::testing::ReadArchive(ArchivePath(who), SharedStatements()));
}

std::string SyncTest::BaseStamps(const std::string& who) const {
    return Query(who, kBaseStamps);
}

std::string SyncTest::ServerStamps() const {
    const pg::QueryResult rows = owner_->Query(
        "SELECT coalesce(json_agg(json_build_array(kind, id, field, stamp) ORDER BY kind, id::text, field), "
        "'[]')::text FROM (SELECT kind, id, field, stamp FROM terrovane.fields "
        "ORDER BY kind, id::text COLLATE \"C\", field COLLATE \"C\") f");
    EXPECT_TRUE(rows.Ok()) << rows.Explained();
    return rows.Scalar();
}

namespace {

std::string WithoutSpace(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
    return text;
}

}  // namespace

void SyncTest::ExpectConverged(std::initializer_list<std::string> who) {
    const std::string first = *who.begin();
    const std::string shared = Shared(first);
    const std::string server = WithoutSpace(ServerStamps());
    // Everything compared of one archive, read in one run of the reader.
    std::vector<std::string> statements = SharedStatements();
    statements.push_back(kBaseStamps);
    statements.push_back("SELECT count(*) FROM sync_outbox");
    for (const std::string& one : who) {
        std::vector<std::string> rows = archive::testing::ReadArchive(ArchivePath(one), statements);
        const std::string outbox = rows.back();
        rows.pop_back();
        const std::string stamps = rows.back();
        rows.pop_back();
        EXPECT_EQ(Joined(rows), shared) << one << " differs from " << first;
        EXPECT_EQ(WithoutSpace(stamps), server) << one << " and the server differ";
        EXPECT_EQ(outbox, "[[0]]") << one;
    }
    const std::string readouts = Query(first, "SELECT count(*) FROM readouts");
    EXPECT_EQ(
        "[[" + owner_->Query("SELECT count(*) FROM terrovane.content WHERE kind = 'readout'").Scalar() + "]]",
        readouts);
}

std::int64_t SyncTest::AddSite(const std::string& who, const std::string& name) {
    archive::SiteFields fields;
    fields.name = name;
    std::int64_t id = 0;
    std::string error;
    EXPECT_TRUE(archive::AddSite(Archive(who), fields, id, error)) << error;
    return id;
}

std::int64_t SyncTest::AddPoint(const std::string& who, std::int64_t site, const std::string& name) {
    archive::PointFields fields;
    fields.name = name;
    std::int64_t id = 0;
    std::string error;
    EXPECT_TRUE(archive::AddPoint(Archive(who), site, fields, id, error)) << error;
    return id;
}

std::int64_t SyncTest::StoreReadOut(const std::string& who, int seed, int slot, int count) {
    const record::ReadOutBuffer image = archive::testing::DistinctImage(seed, count);
    const archive::StoreOutcome stored = Archive(who).Store(
        {"2026-12-0" + std::to_string(1 + seed % 9) + "T10:00:00+01:00", "/dev/ttyUSB0", &image});
    EXPECT_TRUE(stored.stored) << stored.error;
    std::string error;
    std::vector<archive::ResultRow> rows;
    archive::ResultFilter filter;
    filter.readout = stored.readoutId;
    EXPECT_TRUE(Archive(who).Results(filter, {archive::ResultOrder::Slot, false}, 200, 0, rows, error))
        << error;
    return rows.size() > static_cast<std::size_t>(slot) ? rows[static_cast<std::size_t>(slot)].id : 0;
}

void PassMillis(int millis) {
    const auto until = std::chrono::system_clock::now() + std::chrono::milliseconds(millis);
    while (std::chrono::system_clock::now() < until) {
    }
}

}  // namespace terrovane::testing
