// terrovane-cli team status says how the connection is protected, and a server without TLS is refused
// over TCP with what to do about it.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "TestServer.h"

namespace terrovane::testing {
namespace {

std::string OwnerOverTcp(const TestServer& server, const std::string& database) {
    return "host=127.0.0.1 port=" + std::to_string(server.port) + " dbname=" + database + " user=" + kOwner +
           " password=" + kOwnerPassword;
}

TEST(TeamCliTls, StatusSaysWhetherTheConnectionIsEncryptedAndTheServerVerified) {
    ScratchDatabase db;
    ASSERT_EQ(Cli({"team", "init", "--server", db.SocketConninfo(kOwner, kOwnerPassword)}).status, 0);
    const std::string tcp = OwnerOverTcp(RunningServer(), db.Name());

    CommandOutput out = Cli({"team", "status", "--server", tcp});
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_TRUE(Says(out, "connection:    encrypted, TLSv1.3; the server's certificate not verified"))
        << out.text;

    out =
        Cli({"team", "status", "--server", tcp + " sslrootcert=" + RunningServer().tlsFolder + "/root.crt"});
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_TRUE(Says(
        out,
        "connection:    encrypted, TLSv1.3; the server's certificate verified (its authority and its name)"))
        << out.text;

    out = Cli({"team", "status", "--server", tcp + " sslmode=disable"});
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_TRUE(Says(out, "connection:    NOT encrypted: the connection string asks for sslmode=disable"))
        << out.text;

    out = Cli({"team", "status", "--server", db.SocketConninfo(kOwner, kOwnerPassword)});
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_TRUE(Says(out, "connection:    not encrypted (a local socket")) << out.text;
    EXPECT_TRUE(Says(out, "signed in as:  tv_owner (not a member of the team)")) << out.text;
}

TEST(TeamCliTls, AServerWithoutTlsIsRefusedWithWhatToDo) {
    const std::string tcp = OwnerOverTcp(PlainServer(), "tv_template");
    CommandOutput out = Cli({"team", "status", "--server", tcp});
    EXPECT_EQ(out.status, 1);
    EXPECT_TRUE(
        Says(out, "team status: the team server offers no encrypted connection (TLS), so nothing was sent"))
        << out.text;
    EXPECT_TRUE(Says(out, "turns TLS on at the server")) << out.text;
    EXPECT_TRUE(Says(out, "asks for sslmode=disable by name")) << out.text;
    EXPECT_FALSE(Says(out, "connection:")) << out.text;
    out = Cli({"sync", "--server", tcp});
    EXPECT_EQ(out.status, 1);
    EXPECT_TRUE(Says(out, "sync: the team server offers no encrypted connection (TLS)")) << out.text;

    // Asked for by name, it connects, and says so (the template has no team schema: status 1).
    out = Cli({"team", "status", "--server", tcp + " sslmode=disable"});
    EXPECT_TRUE(Says(out, "connection:    NOT encrypted: the connection string asks for sslmode=disable"))
        << out.text;
}

}  // namespace
}  // namespace terrovane::testing
