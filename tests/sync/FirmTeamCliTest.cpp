// The firm's profile and report numbers in a team, through terrovane-cli on archives of their own against
// the real server: one profile for everyone that only admins change, and numbers never given twice,
// whether the server counts them or a PC without it does.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "Members.h"
#include "SchemaSetup.h"
#include "ScratchFolder.h"
#include "ShellCommand.h"
#include "TestServer.h"

namespace terrovane::testing {
namespace {

class FirmTeamCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner_ = db_.Owner();
        ASSERT_NE(owner_, nullptr);
        ASSERT_EQ(team::SetUpSchema(*owner_).outcome, team::SetupOutcome::Created);
        ASSERT_TRUE(team::AddMember(*owner_, {db_.Login("ann"), team::MemberRole::Admin, "pw", {}}).Ok());
        ASSERT_TRUE(team::AddMember(*owner_, {db_.Login("ivy"), team::MemberRole::Inspector, "pw", {}}).Ok());
        ASSERT_TRUE(team::AddMember(*owner_, {db_.Login("vic"), team::MemberRole::Viewer, "pw", {}}).Ok());
        ASSERT_TRUE(team::AddMember(*owner_, {db_.Login("bob"), team::MemberRole::Admin, "pw", {}}).Ok());
        std::filesystem::create_directories(Folder());
    }
    std::filesystem::path Folder() const { return ScratchFolder() / db_.Name(); }

    // terrovane-cli on the member's own archive; with `server` signed in as the member, with `offline` at
    // a port where nothing answers.
    enum class Server { None, Online, Offline };
    CommandOutput Cli(const std::string& who, std::vector<std::string> arguments,
                      Server server = Server::None) {
        std::string line = "QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 XDG_CONFIG_HOME=" +
                           ShellQuoted((Folder() / "config").string()) +
                           " TERROVANE_ARCHIVE=" + ShellQuoted((Folder() / who).string()) + " " +
                           ShellQuoted(TERROVANE_CLI_PATH);
        if (server != Server::None) {
            arguments.push_back("--server");
            arguments.push_back(server == Server::Online
                                    ? db_.TcpConninfo(db_.Login(who), "pw")
                                    : "host=127.0.0.1 port=1 dbname=none connect_timeout=2 sslmode=disable");
        }
        for (const std::string& argument : arguments) {
            line += " " + ShellQuoted(argument);
        }
        return RunCommand(line + " 2>&1");
    }
    // Issues a report of the site and returns its number as "site reports" lists it, newest last.
    std::string Issue(const std::string& who, const std::string& site, Server server) {
        const CommandOutput out = Cli(
            who, {"site", "report", site, "--pdf", (Folder() / (who + ".pdf")).string(), "--issue"}, server);
        EXPECT_EQ(out.status, 0) << out.text;
        std::smatch found;
        return std::regex_search(out.text, found, std::regex("report (\\S+), revision 1")) ? found[1].str()
                                                                                           : "";
    }

    ScratchDatabase db_;
    std::unique_ptr<pg::Connection> owner_;
};

bool FirmSays(const CommandOutput& output, const std::string& part) {
    return output.text.find(part) != std::string::npos;
}

TEST_F(FirmTeamCliTest, EveryMemberReceivesTheAdminsProfileAndOnlyAnAdminChangesIt) {
    const std::string logo = (Folder() / "logo.svg").string();
    std::ofstream(logo) << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"3\"/>\n";
    ASSERT_EQ(
        Cli("ann", {"firm", "set", "--name", "Acme Earthing", "--prefix", "ACME", "--logo", logo}).status, 0);
    ASSERT_EQ(Cli("ann", {"sync"}, Server::Online).status, 0);
    CommandOutput out = Cli("ivy", {"sync"}, Server::Online);
    ASSERT_EQ(out.status, 0) << out.text;
    out = Cli("ivy", {"firm", "show"});
    EXPECT_TRUE(FirmSays(out, "Acme Earthing")) << out.text;
    EXPECT_TRUE(FirmSays(out, "svg, ")) << out.text;

    // The inspector's own change is refused by the server, and the team's profile comes back.
    ASSERT_EQ(Cli("ivy", {"firm", "set", "--name", "Ivy Ltd"}).status, 0);
    out = Cli("ivy", {"sync"}, Server::Online);
    EXPECT_TRUE(FirmSays(out, "only an admin changes it")) << out.text;
    EXPECT_TRUE(FirmSays(Cli("ivy", {"firm", "show"}), "Acme Earthing"));
    const pg::QueryResult held =
        owner_->Query("SELECT profile->>'name', changed_by, version::text FROM terrovane.firm_profile");
    ASSERT_TRUE(held.Ok()) << held.Explained();
    EXPECT_EQ(*held.rows.at(0)[0], "Acme Earthing");
    EXPECT_EQ(*held.rows.at(0)[1], db_.Login("ann"));
    EXPECT_EQ(*held.rows.at(0)[2], "1");

    // An admin who set a profile before joining receives the team's: the team's is not overwritten.
    ASSERT_EQ(Cli("bob", {"firm", "set", "--name", "Bob's Own"}).status, 0);
    out = Cli("bob", {"sync"}, Server::Online);
    ASSERT_EQ(out.status, 0) << out.text;
    EXPECT_TRUE(FirmSays(Cli("bob", {"firm", "show"}), "Acme Earthing"));
    EXPECT_EQ(*owner_->Query("SELECT profile->>'name' FROM terrovane.firm_profile").rows.at(0)[0],
              "Acme Earthing");

    // The admin's next change reaches the others.
    ASSERT_EQ(Cli("ann", {"firm", "set", "--licence", "UKAS 1234"}).status, 0);
    ASSERT_EQ(Cli("ann", {"sync"}, Server::Online).status, 0);
    ASSERT_EQ(Cli("vic", {"sync"}, Server::Online).status, 0);
    out = Cli("vic", {"firm", "show"});
    EXPECT_TRUE(FirmSays(out, "UKAS 1234")) << out.text;
    EXPECT_TRUE(FirmSays(out, "Acme Earthing")) << out.text;
}

TEST_F(FirmTeamCliTest, NumbersAreNeverGivenTwiceOnlineOrOffline) {
    ASSERT_EQ(Cli("ann", {"firm", "set", "--name", "Acme Earthing", "--prefix", "ACME"}).status, 0);
    for (const char* who : {"ann", "ivy", "vic"}) {
        ASSERT_EQ(Cli(who, {"sync"}, Server::Online).status, 0) << who;
        ASSERT_EQ(Cli(who, {"site", "add", std::string("Site of ") + who}).status, 0);
    }
    std::vector<std::string> numbers;
    for (const char* who : {"ann", "ivy", "ann"}) {
        numbers.push_back(Issue(who, std::string("Site of ") + who, Server::Online));
    }
    const std::string year = RunCommand("date +%Y").text.substr(0, 4);
    EXPECT_EQ(numbers, (std::vector<std::string>{"ACME-" + year + "-0001", "ACME-" + year + "-0002",
                                                 "ACME-" + year + "-0003"}));
    // Without the server each PC counts its own, named by its device: never one of the server's.
    for (const char* who : {"ann", "ivy", "ivy"}) {
        const CommandOutput out = Cli(who,
                                      {"site", "report", std::string("Site of ") + who, "--pdf",
                                       (Folder() / "offline.pdf").string(), "--issue"},
                                      Server::Offline);
        ASSERT_EQ(out.status, 0) << out.text;
        EXPECT_TRUE(FirmSays(out, "issues one of its own")) << out.text;
        std::smatch found;
        ASSERT_TRUE(
            std::regex_search(out.text, found, std::regex("report (ACME-" + year + "-[0-9A-F]{8}-00[12]),")))
            << out.text;
        numbers.push_back(found[1].str());
    }
    EXPECT_EQ(std::set<std::string>(numbers.begin(), numbers.end()).size(), numbers.size());
    // Online again, the server goes on where it stood.
    numbers.push_back(Issue("ivy", "Site of ivy", Server::Online));
    EXPECT_EQ(numbers.back(), "ACME-" + year + "-0004");

    // Past four digits the sequence grows; it is never cut.
    ASSERT_TRUE(owner_->Query("UPDATE terrovane.report_numbers SET last = 9999").Ok());
    numbers.push_back(Issue("ann", "Site of ann", Server::Online));
    EXPECT_EQ(numbers.back(), "ACME-" + year + "-10000");

    // A viewer issues none, and nothing is counted for it.
    const CommandOutput out =
        Cli("vic", {"site", "report", "Site of vic", "--pdf", (Folder() / "vic.pdf").string(), "--issue"},
            Server::Online);
    EXPECT_EQ(out.status, 1) << out.text;
    EXPECT_TRUE(FirmSays(out, "inspectors and admins only")) << out.text;
    const pg::QueryResult counted = owner_->Query("SELECT last::text FROM terrovane.report_numbers");
    ASSERT_TRUE(counted.Ok()) << counted.Explained();
    EXPECT_EQ(*counted.rows.at(0)[0], "10000");
}

}  // namespace
}  // namespace terrovane::testing
