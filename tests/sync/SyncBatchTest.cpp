// How a batch is kept and sent: the archive keeps a read-out named by its row, the server receives it with
// its image; a batch an earlier version kept with its bodies goes as it is; a read-out no longer held is
// refused alone. And the statements the sync prepares once per unit of work.
#include <charconv>

#include "FaultProxy.h"
#include "LocalSql.h"
#include "SyncFixture.h"

namespace terrovane::testing {
namespace {

class SyncBatchTest : public SyncTest {
  protected:
    std::string ThroughProxy(const std::string& who) const {
        return "host=127.0.0.1 port=" + std::to_string(proxy_.Port()) + " dbname=" + db_.Name() +
               " user=" + db_.Login(who) + " password=pw-" + who + " sslmode=disable";
    }
    void OnArchive(const std::string& who, const std::function<void(archive::Database&)>& work) {
        const archive::Status done =
            Archive(who).Run(archive::Archive::Access::Write, [&](archive::Database& db) -> archive::Status {
                try {
                    work(db);
                } catch (const sync::LocalFailure& failure) {
                    return archive::FailureOf(1, failure.what());
                }
                return archive::Done{};
            });
        ASSERT_TRUE(done.Ok()) << done.Error().Text();
    }

    FaultProxy proxy_{RunningServer().port};
};

TEST_F(SyncBatchTest, AKeptBatchNamesItsReadOutsAndTheServerGetsThemWithTheirImages) {
    StoreReadOut("ann", 11, 0, 100);
    StoreReadOut("ann", 12, 0, 100);
    proxy_.CutClientMessageContaining("terrovane.push");
    EXPECT_EQ(Sync("ann", ThroughProxy("ann")).error, sync::SyncError::CannotReach);
    ASSERT_TRUE(proxy_.Struck());

    // Kept: each read-out by its key and row, a few hundred bytes, not its 7 KB image.
    const std::string kept =
        Query("ann", "SELECT length(changes), instr(changes, 'image') FROM sync_batches");
    ASSERT_NE(kept, "[]");
    EXPECT_LT(std::stoi(kept.substr(2)), 1000) << kept;
    EXPECT_NE(kept.find(", 0]]"), std::string::npos) << kept;

    const sync::SyncReport again = Sync("ann");
    ASSERT_EQ(again.error, sync::SyncError::None) << again.detail;
    EXPECT_TRUE(again.inSync);
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM sync_batches"), "[[0]]");
    const pg::QueryResult images = owner_->Query(
        "SELECT string_agg(body->>'image', ',' ORDER BY body->>'read_at') FROM terrovane.content");
    ASSERT_TRUE(images.Ok()) << images.Explained();
    EXPECT_EQ("[[\"" + images.Scalar() + "\"]]",
              Query("ann",
                    "SELECT group_concat(lower(hex(image)), ',') FROM (SELECT image FROM readouts "
                    "ORDER BY read_at)"));
    SyncAll({"bob"});
    ExpectConverged({"ann", "bob"});
}

TEST_F(SyncBatchTest, ABatchKeptWithItsBodiesGoesAsItIsAndAReadOutNoLongerHeldIsRefusedAlone) {
    StoreReadOut("bob", 21);
    ASSERT_TRUE(Sync("bob").inSync);
    // A batch as an earlier version kept it (the read-out's body in it) and one naming a row that is gone.
    const pg::QueryResult body = owner_->Query("SELECT key, body::text FROM terrovane.content");
    ASSERT_TRUE(body.Ok() && body.rows.size() == 1) << body.Explained();
    const std::string legacy = R"({"type":"content","kind":"readout","key":")" + *body.rows[0][0] +
                               R"(","site":null,"body":)" + *body.rows[0][1] + "}";
    const std::string gone =
        R"({"type":"content","kind":"readout","key":"gone-key","site":null,"ref":"999999"})";
    OnArchive("ann", [&](archive::Database& db) {
        sync::Exec(db, "INSERT INTO sync_batches VALUES (1, ?1)", {"[" + legacy + "," + gone + "]"});
    });

    const sync::SyncReport report = Sync("ann");
    ASSERT_EQ(report.error, sync::SyncError::None) << report.detail;
    EXPECT_EQ(report.rejected, 1);
    EXPECT_FALSE(report.inSync);
    EXPECT_EQ(
        owner_->Query("SELECT body::text FROM terrovane.content WHERE key = $1", {*body.rows[0][0]}).Scalar(),
        *body.rows[0][1]);
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.content WHERE key = 'gone-key'").Scalar(), "0");
    EXPECT_EQ(Query("ann", "SELECT kind, uuid FROM sync_rejected"), R"([["readout", "gone-key"]])");
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM sync_batches"), "[[0]]");
}

// The server's binary form of a bytea[]: dimensions, no NULL, element type, count, first index, then each
// element's length and bytes, every number four bytes with the highest first.
std::string ByteaArray(const std::vector<std::string>& elements) {
    std::string bytes;
    const auto int32 = [&bytes](std::uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            bytes += static_cast<char>((value >> shift) & 0xFF);
        }
    };
    for (const std::uint32_t header : {1u, 0u, 17u, static_cast<std::uint32_t>(elements.size()), 1u}) {
        int32(header);
    }
    for (const std::string& element : elements) {
        int32(static_cast<std::uint32_t>(element.size()));
        bytes += element;
    }
    return bytes;
}

// The bytes a text of hex digits stands for.
std::string Bytes(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        unsigned value = 0;
        std::from_chars(hex.data() + i, hex.data() + i + 2, value, 16);
        bytes += static_cast<char>(value);
    }
    return bytes;
}

TEST_F(SyncBatchTest, TheServerMakesAReadOutWholeFromItsImageAndRefusesOneWhoseImageIsNotThere) {
    const TestReadOut one = MakeReadOut(*owner_, "2026-12-09T10:00", {1});
    const TestReadOut two = MakeReadOut(*owner_, "2026-12-09T11:00", {2});
    const TestReadOut three = MakeReadOut(*owner_, "2026-12-09T12:00", {3});
    const std::string changes =
        "[" + ReadOutChange(one, 1) + "," + ReadOutChange(two, 3) + "," + ReadOutChange(three, 2) + "]";
    const std::string images = ByteaArray({Bytes(one.imageHex), Bytes(three.imageHex)});
    const auto push = [&](pg::Connection& member) {
        return member.Query("SELECT terrovane.push($1, $2::uuid, 1, $3::jsonb, $4::bytea[])::text",
                            {std::to_string(team::kServerLayout), kDeviceA, changes, images},
                            {false, false, false, true});
    };
    const std::unique_ptr<pg::Connection> ann = SignIn("ann");
    const pg::QueryResult answer = push(*ann);
    ASSERT_TRUE(answer.Ok()) << answer.Explained();
    EXPECT_EQ(JsonAt(*ann, answer.Scalar(), "{changes,0,outcome}"), "applied");
    EXPECT_EQ(JsonAt(*ann, answer.Scalar(), "{changes,1,outcome}"), "rejected");
    EXPECT_EQ(JsonAt(*ann, answer.Scalar(), "{changes,1,sqlstate}"), "22023");
    EXPECT_EQ(JsonAt(*ann, answer.Scalar(), "{changes,2,outcome}"), "applied");
    EXPECT_EQ(
        owner_
            ->Query("SELECT string_agg(body->>'read_at' || '=' || (body->>'image' IN ($1, $2))::text, ' ' "
                    "ORDER BY key) FROM terrovane.content",
                    {one.imageHex, three.imageHex})
            .Scalar(),
        one.key < three.key ? "2026-12-09T10:00=true 2026-12-09T12:00=true"
                            : "2026-12-09T12:00=true 2026-12-09T10:00=true");
    // Sent again (its answer lost): the same answer, nothing applied twice.
    const pg::QueryResult again = push(*ann);
    ASSERT_TRUE(again.Ok()) << again.Explained();
    EXPECT_EQ(again.Scalar(), answer.Scalar());
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.audit").Scalar(), "2");
}

TEST_F(SyncBatchTest, AStatementPreparedOnceIsReadyAgainAfterItFailed) {
    OnArchive("ann", [](archive::Database& db) {
        const sync::PreparedOnce prepared(db);
        const char* insert = "INSERT INTO sync_state (key, value) VALUES (?1, ?2)";
        sync::Exec(db, insert, {std::string("probe-a"), std::string("1")});
        EXPECT_THROW(sync::Exec(db, insert, {std::string("probe-a"), std::string("2")}), sync::LocalFailure);
        sync::Exec(db, insert, {std::string("probe-b"), std::string("3")});
        {
            // A second one leaves the first in charge; its end does not end the first's statements.
            const sync::PreparedOnce inner(db);
            EXPECT_EQ(
                sync::Single(db, "SELECT value FROM sync_state WHERE key = ?1", {std::string("probe-b")}),
                "3");
        }
        EXPECT_EQ(sync::Single(db, "SELECT value FROM sync_state WHERE key = ?1", {std::string("probe-a")}),
                  "1");
        EXPECT_EQ(sync::Single(db, "SELECT value FROM sync_state WHERE key = ?1", {std::string("none")}),
                  std::nullopt);
    });
    EXPECT_EQ(Query("ann", "SELECT key, value FROM sync_state WHERE key LIKE 'probe-%' ORDER BY key"),
              R"([["probe-a", "1"], ["probe-b", "3"]])");
}

}  // namespace
}  // namespace terrovane::testing
