// terrovane-cli team against the real server, as an office and an engineer run it: init, members, status,
// the server from --server, the setting Team/Server or libpq's environment, and clear failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CliRun.h"
#include "ServerSchema.h"
#include "TestServer.h"

namespace terrovane::testing {
namespace {

TEST(TeamCliTest, AnOfficeSetsUpTheServerAndAnEngineerJoins) {
    ScratchDatabase db;
    const std::string owner = db.SocketConninfo(kOwner, kOwnerPassword);
    CommandOutput out = Cli({"team", "status", "--server", owner});
    EXPECT_EQ(out.status, 1);
    EXPECT_TRUE(Says(out, "no team schema")) << out.text;

    out = Cli({"team", "init", "--server", owner});
    ASSERT_EQ(out.status, 0) << out.text;
    const std::string layout = std::to_string(team::kServerLayout);
    EXPECT_TRUE(Says(out, "team schema made at layout " + layout)) << out.text;
    out = Cli({"team", "init", "--server", owner});
    EXPECT_EQ(out.status, 0);
    EXPECT_TRUE(Says(out, "nothing changed")) << out.text;

    const std::string ann = db.Login("ann");
    out = Cli({"team", "member", "add", ann, "--role", "inspector", "--site", "North", "--site", "South",
               "--server", owner},
              "s3cret pass\n");
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_TRUE(Says(out, ann + " is an inspector of the team with 2 sites")) << out.text;

    out = Cli({"team", "status", "--server", db.TcpConninfo(ann, "s3cret pass")});
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_TRUE(Says(out, "server:        reachable, PostgreSQL 15.")) << out.text;
    EXPECT_TRUE(Says(out, "server layout: " + layout + " (this program: " + layout + ")")) << out.text;
    EXPECT_TRUE(Says(out, "connection:    encrypted, TLSv1.3")) << out.text;
    EXPECT_TRUE(Says(out, "signed in as:  " + ann + " (inspector, member of 2 sites)")) << out.text;

    out = Cli({"team", "status", "--server", db.TcpConninfo(ann, "wrong")});
    EXPECT_EQ(out.status, 1);
    EXPECT_TRUE(Says(out, "refused the sign-in")) << out.text;
    EXPECT_TRUE(Says(out, "password authentication failed")) << out.text;

    out = Cli({"team", "status", "--server",
               db.TcpConninfo(ann, "s3cret pass") +
                   " sslmode=verify-full sslrootcert=" + RunningServer().tlsFolder + "/other.crt"});
    EXPECT_EQ(out.status, 1);
    EXPECT_TRUE(Says(out, "cannot connect to the team server")) << out.text;
    EXPECT_TRUE(Says(out, "certificate verify failed")) << out.text;

    out = Cli({"team", "member", "remove", ann, "--server", owner});
    ASSERT_EQ(out.status, 0) << out.text;
    out = Cli({"team", "status", "--server", db.TcpConninfo(ann, "s3cret pass")});
    EXPECT_EQ(out.status, 1);
    EXPECT_TRUE(Says(out, "refused the sign-in")) << out.text;
}

TEST(TeamCliTest, TheServerComesFromTheSettingOrLibpqsEnvironment) {
    ScratchDatabase db;
    ASSERT_EQ(Cli({"team", "init", "--server", db.SocketConninfo(kOwner, kOwnerPassword)}).status, 0);
    const std::string vic = db.Login("vic");
    ASSERT_EQ(Cli({"team", "member", "add", vic, "--role", "viewer", "--server",
                   db.SocketConninfo(kOwner, kOwnerPassword)},
                  "viewer-pw\n")
                  .status,
              0);

    const std::filesystem::path config =
        std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "应用程序向导生成的本地应用程序";
    std::filesystem::create_directories(config);
    {
        std::ofstream settings(config / "Terrovane.conf");
        settings << "[Team]\nServer=\"host=127.0.0.1 port=" << RunningServer().port << " dbname=" << db.Name()
                 << "\"\n";
    }
    const std::string environment = "PGUSER=" + vic + " PGPASSWORD=viewer-pw";
    CommandOutput out = Cli({"team", "status"}, {}, environment);
    EXPECT_EQ(out.status, 0) << out.text;
    EXPECT_TRUE(Says(out, vic + " (viewer, member of 0 sites)")) << out.text;
    std::filesystem::remove(config / "Terrovane.conf");

    out = Cli({"team", "status"}, {},
              environment + " PGHOST=127.0.0.1 PGPORT=" + std::to_string(RunningServer().port) +
                  " PGDATABASE=" + db.Name());
    EXPECT_EQ(out.status, 0) << out.text;
}

TEST(TeamCliTest, BadUseAndAnUnreachableServerSayWhat) {
    CommandOutput out = Cli({"team", "member", "add", "x", "--role", "boss"});
    EXPECT_EQ(out.status, 2);
    EXPECT_TRUE(Says(out, "--role is inspector, viewer or admin")) << out.text;
    out = Cli({"team", "member"});
    EXPECT_EQ(out.status, 2);
    out = Cli(
        {"team", "status", "--server", "host=/nonexistent-socket-folder port=5 dbname=x connect_timeout=2"});
    EXPECT_EQ(out.status, 1);
    EXPECT_TRUE(Says(out, "cannot be reached")) << out.text;
    out = Cli({"team", "status", "--server", "host=127.0.0.1 colour=blue"});
    EXPECT_EQ(out.status, 1);
    EXPECT_TRUE(Says(out, "not valid")) << out.text;
}

}  // namespace
}  // namespace terrovane::testing
