// The team password in a real desktop secret store (the Secret Service of gnome-keyring on a private
// session bus), across starts of the program: signed in with the Team dialog in one run, the next run
// syncs without asking; the password is in the store and never in the settings file; Sign out takes it out
// of the store even when the program ends right after it.
#include <QProcess>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "PrivateSecretService.h"
#include "ScratchFolder.h"
#include "SecretStore.h"
#include "TeamUiFixture.h"

namespace terrovane::testing {
namespace {

struct ProbeRun {
    int status = -1;
    std::string output;
};

// One start of the program's team session (team_session_probe) on the private desktop.
ProbeRun RunProbe(const PrivateSecretService& desktop, const QStringList& arguments) {
    QProcess probe;
    probe.setProcessEnvironment(desktop.Environment());
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start(QStringLiteral(TEAM_SESSION_PROBE), arguments);
    if (!probe.waitForFinished(90000) || probe.exitStatus() != QProcess::NormalExit) {
        probe.kill();
        probe.waitForFinished();
        return {-1, probe.readAll().toStdString()};
    }
    return {probe.exitCode(), probe.readAll().toStdString()};
}

// The program's settings file under the private home, whatever its folder is called.
std::string ProgramSettingsText(const std::filesystem::path& home) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home / ".config")) {
        if (entry.path().filename() == "Terrovane.conf") {
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            return text.str();
        }
    }
    return {};
}

bool Says(const ProbeRun& run, const std::string& part) {
    return run.output.find(part) != std::string::npos;
}

TEST_F(TeamUiTest, ThePasswordOutlivesTheProgramInTheDesktopsSecretStoreUntilSignOut) {
    const PrivateSecretService desktop(ScratchFolder() / "desktop");
    if (!desktop.Failure().empty()) {
        GTEST_SKIP() << "no desktop secret store can run here: " << desktop.Failure();
    }
    Archive("ann");
    const QString archive = QString::fromStdString(ArchivePath("ann"));
    const QString server = QString::fromStdString(ServerConninfo());
    const QString login = QString::fromStdString(db_.Login("ann"));
    // How the password is found in the store: the account and the program's name for the server.
    const std::vector<std::pair<std::string, std::string>> entry{
        {"user", teamui::SecretAccount(server, login).toStdString()}, {"server", "Terrovane team server"}};

    const ProbeRun first = RunProbe(desktop, {QStringLiteral("sign-in"), archive, server, login, "pw-ann"});
    ASSERT_EQ(first.status, 0) << first.output;
    ASSERT_TRUE(Says(first, "signed-in=1 error=none")) << first.output;
    EXPECT_EQ(desktop.Lookup(entry), "pw-ann");
    const std::string settings = ProgramSettingsText(desktop.Home());
    EXPECT_NE(settings.find(login.toStdString()), std::string::npos) << settings;
    EXPECT_EQ(settings.find("pw-ann"), std::string::npos) << settings;

    // Meanwhile another PC sends a read-out; the next start brings it without asking for the password.
    StoreReadOut("bob", 6);
    ASSERT_TRUE(SyncAs("bob").inSync);
    const ProbeRun second = RunProbe(desktop, {QStringLiteral("sync"), archive});
    ASSERT_EQ(second.status, 0) << second.output;
    EXPECT_TRUE(Says(second, "signed-in=1 error=none pulled=")) << second.output;
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM readouts"), "[[1]]");

    const ProbeRun signOut = RunProbe(desktop, {QStringLiteral("sign-out"), archive});
    ASSERT_EQ(signOut.status, 0) << signOut.output;
    EXPECT_EQ(desktop.Lookup(entry), std::nullopt);
    const ProbeRun afterSignOut = RunProbe(desktop, {QStringLiteral("sync"), archive});
    EXPECT_EQ(afterSignOut.status, 3) << afterSignOut.output;  // the window asks again
    EXPECT_EQ(ProgramSettingsText(desktop.Home()).find("pw-ann"), std::string::npos);
}

}  // namespace
}  // namespace terrovane::testing
