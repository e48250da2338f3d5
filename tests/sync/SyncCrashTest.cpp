// The server killed hard (as by a power cut) while a push or a pull is on its way, then started again:
// on a server of this test's own, so no other test loses its server. Nothing the server answered is lost,
// and the next syncs bring every archive and the server to the same state.
#include <filesystem>
#include <fstream>

#include "FaultProxy.h"
#include "SchemaSetup.h"
#include "ShellCommand.h"
#include "Sites.h"
#include "SyncFixture.h"

namespace terrovane::testing {
namespace {

class SyncCrashTest : public SyncTest {
  protected:
    void SetUp() override {
        SyncTest::SetUp();
        state_ = ArchivePath("cluster") + ".state";
        ASSERT_EQ(Cluster("start", "PG_CLUSTER_DURABLE=1"), 0);
        std::ifstream in(state_);
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("dir=", 0) == 0) {
                socket_ = line.substr(4);
            } else if (line.rfind("port=", 0) == 0) {
                port_ = std::stoi(line.substr(5));
            }
        }
        auto admin =
            MustOpen("host=" + socket_ + " port=" + std::to_string(port_) + " user=postgres dbname=postgres");
        ASSERT_NE(admin, nullptr);
        ASSERT_TRUE(
            admin->Query("CREATE DATABASE " + db_.Name() + " TEMPLATE tv_template OWNER tv_owner").Ok());
        // From here on the owner, the members and the comparisons are those of this test's own server.
        owner_ = MustOpen(Conninfo("tv_owner", "owner-secret", port_));
        ASSERT_NE(owner_, nullptr);
        ASSERT_EQ(team::SetUpSchema(*owner_).outcome, team::SetupOutcome::Created);
        for (const char* who : {"ann", "bob"}) {
            ASSERT_TRUE(team::AddMember(
                            *owner_, {db_.Login(who), team::MemberRole::Admin, std::string("pw-") + who, {}})
                            .Ok());
        }
        proxy_ = std::make_unique<FaultProxy>(port_);
    }

    void TearDown() override {
        proxy_.reset();
        owner_.reset();
        Cluster("stop");
    }

    int Cluster(const std::string& action, const std::string& environment = {}) {
        return RunCommand(environment + " " + ShellQuoted(TV_PG_CLUSTER_SCRIPT) + " " + action + " " +
                          ShellQuoted(state_) + " 2>&1")
            .status;
    }

    std::string Conninfo(const std::string& user, const std::string& password, int port) const {
        return "host=127.0.0.1 port=" + std::to_string(port) + " dbname=" + db_.Name() + " user=" + user +
               " password=" + password + " sslmode=disable connect_timeout=5";
    }

    sync::SyncReport SyncHere(const std::string& who) {
        return Sync(who, Conninfo(db_.Login(who), "pw-" + who, proxy_->Port()));
    }

    void Record(const std::string& who, const std::string& site, int seed) {
        const std::int64_t siteId = AddSite(who, site);
        const std::int64_t point = AddPoint(who, siteId, "Leg A");
        const std::int64_t result = StoreReadOut(who, seed);
        std::string error;
        ASSERT_TRUE(archive::Assign(Archive(who), {result}, point, error)) << error;
    }

    // A crash when the proxy has passed on the client's message holding `marker`; syncs of `who` until one
    // fails for it; then the server is started again and everyone syncs.
    void CrashDuring(const std::string& marker, const std::string& who) {
        proxy_->AfterClientMessageContaining(marker, [this] { EXPECT_EQ(Cluster("crash"), 0); });
        const sync::SyncReport cut = SyncHere(who);
        EXPECT_TRUE(proxy_->Struck());
        EXPECT_EQ(cut.error, sync::SyncError::CannotReach) << sync::SyncErrorName(cut.error) << cut.detail;
        ASSERT_EQ(Cluster("restart"), 0);
        owner_ = MustOpen(Conninfo("tv_owner", "owner-secret", port_));
        for (int round = 0; round < 2; ++round) {
            for (const char* one : {"ann", "bob"}) {
                const sync::SyncReport report = SyncHere(one);
                ASSERT_EQ(report.error, sync::SyncError::None) << one << ": " << report.detail;
            }
        }
        ExpectConverged({"ann", "bob"});
    }

    std::string state_;
    std::string socket_;
    int port_ = 0;
    std::unique_ptr<FaultProxy> proxy_;
};

// One test for both, as making a server of its own is what takes the time.
TEST_F(SyncCrashTest, AServerKilledDuringAPushOrAPullLosesNothingItAnswered) {
    Record("ann", "East", 1);
    ASSERT_TRUE(SyncHere("ann").inSync);
    Record("ann", "West", 2);
    CrashDuring("terrovane.push", "ann");
    EXPECT_EQ(Query("bob", "SELECT count(*) FROM readouts"), "[[2]]");

    Record("bob", "North", 3);
    ASSERT_TRUE(SyncHere("bob").inSync);
    Record("ann", "South", 4);
    CrashDuring("terrovane.pull", "ann");
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM readouts"), "[[4]]");
}

}  // namespace
}  // namespace terrovane::testing
