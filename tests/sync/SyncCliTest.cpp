// terrovane-cli sync and team conflicts, run as programs on archives of their own against the real server.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "JsonSchema.h"
#include "Members.h"
#include "SchemaSetup.h"
#include "ScratchFolder.h"
#include "ShellCommand.h"
#include "TestServer.h"

namespace terrovane::testing {
namespace {

class SyncCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner_ = db_.Owner();
        ASSERT_NE(owner_, nullptr);
        ASSERT_EQ(team::SetUpSchema(*owner_).outcome, team::SetupOutcome::Created);
        for (const char* who : {"ann", "bob"}) {
            ASSERT_TRUE(team::AddMember(*owner_, {db_.Login(who), team::MemberRole::Admin, "pw", {}}).Ok());
        }
        std::filesystem::create_directories(ScratchFolder() / db_.Name());
    }

    // terrovane-cli on the member's own archive, signed in as the member.
    CommandOutput Cli(const std::string& who, std::vector<std::string> arguments, bool server = false) {
        std::string line = "TERROVANE_ARCHIVE=" + ShellQuoted((ScratchFolder() / db_.Name() / who).string()) +
                           " " + ShellQuoted(TERROVANE_CLI_PATH);
        if (server) {
            arguments.push_back("--server");
            arguments.push_back(db_.TcpConninfo(db_.Login(who), "pw"));
        }
        for (const std::string& argument : arguments) {
            line += " " + ShellQuoted(argument);
        }
        return RunCommand(line + " 2>&1");
    }

    ScratchDatabase db_;
    std::unique_ptr<pg::Connection> owner_;
};

bool Says(const CommandOutput& output, const std::string& part) {
    return output.text.find(part) != std::string::npos;
}

TEST_F(SyncCliTest, ADamagedArchiveIsMovedAsideAndTheSyncSaysSo) {
    const std::filesystem::path archive = ScratchFolder() / db_.Name() / "ann";
    std::ofstream(archive, std::ios::binary) << std::string(8192, 'x');
    const std::filesystem::path errors = ScratchFolder() / db_.Name() / "sync-errors.txt";
    const CommandOutput out = RunCommand("TERROVANE_ARCHIVE=" + ShellQuoted(archive.string()) + " " +
                                         ShellQuoted(TERROVANE_CLI_PATH) + " sync --format json --server " +
                                         ShellQuoted(db_.TcpConninfo(db_.Login("ann"), "pw")) + " 2>" +
                                         ShellQuoted(errors.string()));
    EXPECT_EQ(out.status, 0) << out.text;
    EXPECT_EQ(CliJsonViolations({"sync", "--format", "json"}, out.text), "");
    EXPECT_TRUE(Says(out, R"("moved_aside":")" + archive.string() + ".corrupt-")) << out.text;
    std::ifstream in(errors);
    const std::string said((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(said.find("moved aside"), std::string::npos) << said;
    int asides = 0;
    for (const auto& entry : std::filesystem::directory_iterator(archive.parent_path()))
        asides += entry.path().filename().string().rfind("ann.corrupt-", 0) == 0;
    EXPECT_EQ(asides, 1);
}

TEST_F(SyncCliTest, TwoEngineersSyncAndSettleAConflict) {
    ASSERT_EQ(Cli("ann", {"site", "add", "North", "--address", "Quay 1"}).status, 0);
    CommandOutput out = Cli("ann", {"sync", "--format", "json"}, true);
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_TRUE(Says(out, R"("in_sync":true,"error":null)")) << out.text;
    EXPECT_EQ(CliJsonViolations({"sync", "--format", "json"}, out.text), "");
    out = Cli("bob", {"sync"}, true);
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_TRUE(Says(out, "in sync")) << out.text;
    EXPECT_TRUE(Says(Cli("bob", {"sites"}), "Quay 1"));

    // The same field on both; bob's change is the later one, ann's goes to the conflict list.
    ASSERT_EQ(Cli("ann", {"site", "set", "North", "--address", "Quay 2"}).status, 0);
    ASSERT_EQ(Cli("bob", {"site", "set", "North", "--address", "Quay 3"}).status, 0);
    ASSERT_EQ(Cli("ann", {"sync"}, true).status, 0);
    ASSERT_EQ(Cli("bob", {"sync"}, true).status, 0);
    ASSERT_EQ(Cli("ann", {"sync"}, true).status, 0);
    EXPECT_TRUE(Says(Cli("ann", {"sites"}), "Quay 3"));
    out = Cli("ann", {"team", "conflicts", "--format", "json"});
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_TRUE(Says(out, R"("name":"North","field":"address","kept":{"value":"Quay 3")")) << out.text;
    EXPECT_TRUE(Says(out, R"("lost":{"value":"Quay 2")")) << out.text;
    EXPECT_TRUE(Says(out, R"("by":")" + db_.Login("bob") + "\"")) << out.text;
    EXPECT_EQ(CliJsonViolations({"team", "conflicts", "--format", "json"}, out.text), "");

    out = Cli("ann", {"team", "conflicts", "resolve", "99", "--keep", "lost"});
    EXPECT_EQ(out.status, 1);
    EXPECT_TRUE(Says(out, "there is no open conflict 99")) << out.text;
    EXPECT_EQ(Cli("ann", {"team", "conflicts", "resolve", "1", "--keep", "both"}).status, 2);
    out = Cli("ann", {"team", "conflicts", "resolve", "1", "--keep", "lost"});
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_EQ(Cli("ann", {"team", "conflicts", "--format", "json"}).text, "[]\n");
    ASSERT_EQ(Cli("ann", {"sync"}, true).status, 0);
    ASSERT_EQ(Cli("bob", {"sync"}, true).status, 0);
    EXPECT_TRUE(Says(Cli("bob", {"sites"}), "Quay 2"));
}

TEST_F(SyncCliTest, AServerThatCannotBeReachedFailsAndKeepsTheChanges) {
    ASSERT_EQ(Cli("ann", {"site", "add", "North"}).status, 0);
    const CommandOutput out = Cli("ann", {"sync", "--server", "host=127.0.0.1 port=1 connect_timeout=2"});
    EXPECT_EQ(out.status, 1);
    EXPECT_TRUE(Says(out, "cannot be reached")) << out.text;
    EXPECT_TRUE(Says(out, "not sent yet")) << out.text;
    EXPECT_EQ(Cli("ann", {"sync", "--format", "xml"}).status, 2);
}

}  // namespace
}  // namespace terrovane::testing
