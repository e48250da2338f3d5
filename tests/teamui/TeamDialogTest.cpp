// File > Team... against the real server: signing in syncs at once and brings another PC's read-out while
// the window keeps answering, Sync now brings the next one, the password stays out of the settings file
// (and, with no secret store, out of the next session), and a wrong password says so and changes nothing.
#include <QTest>

#include "EventWait.h"
#include "Settings.h"
#include "SyncTexts.h"
#include "TeamDialog.h"
#include "TeamUiFixture.h"

namespace terrovane::testing {
namespace {

// Runs the event loop until the session's sync has ended.
bool WaitForSync(teamui::TeamSession& session) {
    return RunEventsUntil([&] { return !session.Syncing(); }, 60000);
}

void FillIn(teamui::TeamDialog& dialog, const std::string& server, const std::string& user,
            const std::string& password) {
    dialog.ServerEdit().setText(QString::fromStdString(server));
    dialog.UserEdit().setText(QString::fromStdString(user));
    dialog.PasswordEdit().setText(QString::fromStdString(password));
}

TEST_F(TeamUiTest, SignInAndSyncNowBringAnotherPcsReadOutsWhileTheWindowKeepsAnswering) {
    StoreReadOut("bob", 1);
    ASSERT_TRUE(SyncAs("bob").inSync);
    Archive("ann");
    teamui::TeamSession session(ArchivePath("ann"));
    teamui::TeamDialog dialog(session);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    FillIn(dialog, ServerConninfo(), db_.Login("ann"), "pw-ann");

    {
        // The window keeps answering: its event loop turns while the sync runs (how long a turn may take
        // is measured in bench/, not judged here).
        LoopTurnsWhile turns([&] { return session.Syncing(); });
        QTest::mouseClick(&dialog.SignInButton(), Qt::LeftButton);
        EXPECT_TRUE(session.Syncing());
        EXPECT_FALSE(dialog.SignInButton().isEnabled());
        ASSERT_TRUE(WaitForSync(session));
        EXPECT_GE(turns.Count(), 1);
    }
    ASSERT_TRUE(session.LastReport().has_value());
    EXPECT_EQ(session.LastReport()->error, sync::SyncError::None) << session.LastReport()->detail;
    EXPECT_TRUE(session.SignedIn());
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM readouts"), "[[1]]");
    EXPECT_TRUE(dialog.PasswordEdit().text().isEmpty());
    EXPECT_TRUE(dialog.SyncNowButton().isEnabled());
    EXPECT_TRUE(dialog.Status().text().contains(QStringLiteral("not yet sent: 0")))
        << dialog.Status().text().toStdString();

    StoreReadOut("bob", 2);
    ASSERT_TRUE(SyncAs("bob").inSync);
    {
        LoopTurnsWhile turns([&] { return session.Syncing(); });
        QTest::mouseClick(&dialog.SyncNowButton(), Qt::LeftButton);
        // A second request while the first runs starts nothing.
        EXPECT_FALSE(session.SyncNow());
        ASSERT_TRUE(WaitForSync(session));
        EXPECT_GE(turns.Count(), 1);
    }
    EXPECT_EQ(session.LastReport()->error, sync::SyncError::None) << session.LastReport()->detail;
    EXPECT_EQ(Query("ann", "SELECT count(*) FROM readouts"), "[[2]]");
    EXPECT_TRUE(session.LastSync().isValid());

    // The server and user are remembered, the password nowhere in the file.
    const std::string settings = SettingsFileText();
    EXPECT_NE(settings.find(db_.Login("ann")), std::string::npos) << settings;
    EXPECT_EQ(settings.find("pw-ann"), std::string::npos) << settings;
    // With no secret store the next start asks again.
    EXPECT_FALSE(session.PasswordLasts());
    teamui::TeamSession nextStart(ArchivePath("ann"));
    int answers = 0;
    QObject::connect(&nextStart, &teamui::TeamSession::Changed, [&] { ++answers; });
    nextStart.Restore();
    ASSERT_TRUE(RunEventsUntil([&] { return answers > 0; }, 30000));
    EXPECT_FALSE(nextStart.SignedIn());
    EXPECT_EQ(nextStart.Server().toStdString(), ServerConninfo());
}

TEST_F(TeamUiTest, AWrongPasswordSaysSoAndChangesNothing) {
    StoreReadOut("bob", 3);
    ASSERT_TRUE(SyncAs("bob").inSync);
    StoreReadOut("ann", 4);
    const std::string before = Query("ann", "SELECT * FROM sync_outbox") +
                               Query("ann", "SELECT * FROM sync_state") +
                               Query("ann", "SELECT count(*) FROM readouts");
    teamui::TeamSession session(ArchivePath("ann"));
    teamui::TeamDialog dialog(session);
    FillIn(dialog, ServerConninfo(), db_.Login("ann"), "not-the-password");
    QTest::mouseClick(&dialog.SignInButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitForSync(session));

    EXPECT_EQ(session.LastReport()->error, sync::SyncError::SignInRefused);
    EXPECT_TRUE(dialog.Status().text().contains(teamui::SyncErrorText(sync::SyncError::SignInRefused)))
        << dialog.Status().text().toStdString();
    EXPECT_FALSE(dialog.Detail().text().isEmpty());  // the server's own words beside ours
    EXPECT_FALSE(session.SignedIn());
    EXPECT_TRUE(dialog.SignInButton().isEnabled());
    EXPECT_FALSE(dialog.SyncNowButton().isEnabled());
    EXPECT_FALSE(session.LastSync().isValid());
    EXPECT_EQ(Query("ann", "SELECT * FROM sync_outbox") + Query("ann", "SELECT * FROM sync_state") +
                  Query("ann", "SELECT count(*) FROM readouts"),
              before);
    EXPECT_EQ(owner_->Query("SELECT count(*) FROM terrovane.content").Scalar(), "1");  // bob's alone
    EXPECT_EQ(SettingsFileText().find("not-the-password"), std::string::npos);
}

// Enter in the password field signs in without closing the window: a refusal is shown in place, and the
// window closes once a sign-in by Enter succeeded.
TEST_F(TeamUiTest, EnterSignsInAndTheWindowStaysUntilItSucceeded) {
    Archive("ann");
    teamui::TeamSession session(ArchivePath("ann"));
    teamui::TeamDialog dialog(session);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    FillIn(dialog, ServerConninfo(), db_.Login("ann"), "not-the-password");
    dialog.PasswordEdit().setFocus();
    QTest::keyClick(&dialog.PasswordEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_TRUE(WaitForSync(session));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.Status().text().contains(teamui::SyncErrorText(sync::SyncError::SignInRefused)))
        << dialog.Status().text().toStdString();
    // Enter in the other fields neither signs in nor closes.
    QTest::keyClick(&dialog.UserEdit(), Qt::Key_Return);
    EXPECT_FALSE(session.Syncing());
    EXPECT_TRUE(dialog.isVisible());

    dialog.PasswordEdit().setText(QStringLiteral("pw-ann"));
    QTest::keyClick(&dialog.PasswordEdit(), Qt::Key_Return);
    ASSERT_TRUE(WaitForSync(session));
    EXPECT_TRUE(session.SignedIn());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// A password typed into the connection string signs in all the same, and stays out of the settings file.
TEST_F(TeamUiTest, APasswordInTheConnectionStringIsUsedButNotKeptThere) {
    Archive("ann");
    teamui::TeamSession session(ArchivePath("ann"));
    teamui::TeamDialog dialog(session);
    FillIn(dialog, ServerConninfo() + " password='pw-ann'", db_.Login("ann"), "");
    QTest::mouseClick(&dialog.SignInButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitForSync(session));
    EXPECT_EQ(session.LastReport()->error, sync::SyncError::None) << session.LastReport()->detail;
    EXPECT_TRUE(session.SignedIn());
    EXPECT_EQ(session.Server().toStdString().find("pw-ann"), std::string::npos);
    EXPECT_EQ(SettingsFileText().find("pw-ann"), std::string::npos) << SettingsFileText();
    EXPECT_NE(SettingsFileText().find(db_.Name()), std::string::npos) << SettingsFileText();
}

TEST_F(TeamUiTest, APasswordChangedOnTheServerSignsTheSessionOutToAskAgain) {
    teamui::TeamSession session(ArchivePath("ann"));
    Archive("ann");
    session.SignIn(QString::fromStdString(ServerConninfo()), QString::fromStdString(db_.Login("ann")),
                   QStringLiteral("pw-ann"));
    ASSERT_TRUE(WaitForSync(session));
    ASSERT_TRUE(session.SignedIn()) << session.LastReport()->detail;
    const pg::QueryResult changed =
        owner_->Query("ALTER ROLE \"" + db_.Login("ann") + "\" PASSWORD 'new-pw'");
    ASSERT_TRUE(changed.Ok()) << changed.Explained();
    ASSERT_TRUE(session.SyncNow());
    ASSERT_TRUE(WaitForSync(session));
    EXPECT_EQ(session.LastReport()->error, sync::SyncError::SignInRefused);
    EXPECT_FALSE(session.SignedIn());
    EXPECT_FALSE(session.SyncNow());
}

TEST_F(TeamUiTest, TheAutomaticSyncsKeepTheirPaceThroughFailures) {
    teamui::TeamSession session(ArchivePath("ann"));
    teamui::TeamDialog dialog(session);
    // Nothing listens there: the sign-in cannot be judged, so it is kept for when the server is back.
    FillIn(dialog, "host=127.0.0.1 port=1 dbname=none connect_timeout=2", "ann", "secret");
    QTest::mouseClick(&dialog.SignInButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitForSync(session));
    EXPECT_EQ(session.LastReport()->error, sync::SyncError::CannotReach);
    EXPECT_TRUE(dialog.Status().text().contains(teamui::SyncErrorText(sync::SyncError::CannotReach)));
    ASSERT_TRUE(session.SignedIn());

    dialog.AutoMinutes().setValue(7);
    dialog.AutoSync().setChecked(true);
    EXPECT_EQ(platform::Settings().TeamSyncMinutes(), 7);
    int attempts = 0;
    QObject::connect(&session, &teamui::TeamSession::SyncFinished, [&](const sync::SyncReport& report) {
        EXPECT_EQ(report.error, sync::SyncError::CannotReach);
        ++attempts;
    });
    session.Pace().SetInterval(std::chrono::milliseconds(50));
    EXPECT_TRUE(RunEventsUntil([&] { return attempts >= 3; }, 30000));

    dialog.AutoSync().setChecked(false);
    EXPECT_EQ(platform::Settings().TeamSyncMinutes(), 0);
    ASSERT_TRUE(WaitForSync(session));
    EXPECT_FALSE(session.Pace().Scheduled());  // turned off: no more automatic syncs
    QTest::mouseClick(&dialog.SignOutButton(), Qt::LeftButton);
    EXPECT_FALSE(session.SignedIn());
}

}  // namespace
}  // namespace terrovane::testing
