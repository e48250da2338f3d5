// File > Team... says how the connection to the server is protected once a sync has reached it, and a
// server without TLS is refused with what to do: nothing is sent, the session stays signed out.
#include <QTest>

#include "EventWait.h"
#include "LinkTexts.h"
#include "TeamDialog.h"
#include "TeamUiFixture.h"

namespace terrovane::testing {
namespace {

bool WaitForSync(teamui::TeamSession& session) {
    return RunEventsUntil([&] { return !session.Syncing(); }, 60000);
}

void SignInWith(teamui::TeamDialog& dialog, const std::string& server, const std::string& user,
                const std::string& password) {
    dialog.ServerEdit().setText(QString::fromStdString(server));
    dialog.UserEdit().setText(QString::fromStdString(user));
    dialog.PasswordEdit().setText(QString::fromStdString(password));
    QTest::mouseClick(&dialog.SignInButton(), Qt::LeftButton);
}

std::string PlainServerConninfo(const std::string& extra = {}) {
    return "host=127.0.0.1 port=" + std::to_string(PlainServer().port) + " dbname=tv_template " + extra;
}

TEST_F(TeamUiTest, TheDialogSaysTheConnectionIsEncryptedAndWhetherTheServerWasVerified) {
    Archive("ann");
    teamui::TeamSession session(ArchivePath("ann"));
    teamui::TeamDialog dialog(session);
    EXPECT_FALSE(dialog.Link().isVisibleTo(&dialog));  // nothing known before a sync reached the server
    SignInWith(dialog, ServerConninfo(), db_.Login("ann"), "pw-ann");
    ASSERT_TRUE(WaitForSync(session));
    ASSERT_EQ(session.LastReport()->error, sync::SyncError::None) << session.LastReport()->detail;
    ASSERT_TRUE(session.ServerLink().Security().has_value());
    EXPECT_TRUE(session.ServerLink().Security()->encrypted);
    EXPECT_EQ(session.ServerLink().Security()->certificate, pg::CertificateCheck::None);
    EXPECT_EQ(dialog.Link().text(), teamui::LinkSecurityText(*session.ServerLink().Security()));
    EXPECT_TRUE(dialog.Link().text().contains(QStringLiteral("encrypted (TLSv1.3)")))
        << dialog.Link().text().toStdString();
    EXPECT_TRUE(dialog.Link().text().contains(QStringLiteral("not verified")))
        << dialog.Link().text().toStdString();
    EXPECT_TRUE(dialog.Link().isVisibleTo(&dialog));

    // Signed in anew with the root certificate named: the server's certificate and name are checked.
    QTest::mouseClick(&dialog.SignOutButton(), Qt::LeftButton);
    EXPECT_FALSE(session.ServerLink().Security().has_value());
    EXPECT_FALSE(dialog.Link().isVisibleTo(&dialog));
    SignInWith(dialog, ServerConninfo() + " sslrootcert=" + RunningServer().tlsFolder + "/root.crt",
               db_.Login("ann"), "pw-ann");
    ASSERT_TRUE(WaitForSync(session));
    ASSERT_EQ(session.LastReport()->error, sync::SyncError::None) << session.LastReport()->detail;
    ASSERT_TRUE(session.ServerLink().Security().has_value());
    EXPECT_EQ(session.ServerLink().Security()->certificate, pg::CertificateCheck::AuthorityAndName);
    EXPECT_TRUE(dialog.Link().text().contains(QStringLiteral("is verified")))
        << dialog.Link().text().toStdString();
}

TEST_F(TeamUiTest, AServerWithoutTlsIsRefusedWithWhatToDoAndNothingIsSignedIn) {
    StoreReadOut("ann", 1);
    teamui::TeamSession session(ArchivePath("ann"));
    teamui::TeamDialog dialog(session);
    SignInWith(dialog, PlainServerConninfo(), kOwner, kOwnerPassword);
    ASSERT_TRUE(WaitForSync(session));
    EXPECT_EQ(session.LastReport()->error, sync::SyncError::ServerFailed);
    EXPECT_TRUE(session.ServerLink().ServerLacksTls());
    EXPECT_FALSE(session.SignedIn());
    EXPECT_TRUE(dialog.SignInButton().isEnabled());
    EXPECT_EQ(dialog.Link().text(), teamui::ServerLacksTlsText());
    EXPECT_TRUE(dialog.Link().isVisibleTo(&dialog));
    EXPECT_EQ(Query("ann", "SELECT count(*) > 0 FROM sync_outbox"), "[[1]]");  // nothing went

    // Asked for by name, it connects in clear and says so (this database has no team schema).
    SignInWith(dialog, PlainServerConninfo("sslmode=disable"), kOwner, kOwnerPassword);
    ASSERT_TRUE(WaitForSync(session));
    EXPECT_EQ(session.LastReport()->error, sync::SyncError::NoTeamSchema) << session.LastReport()->detail;
    EXPECT_FALSE(session.ServerLink().ServerLacksTls());
    ASSERT_TRUE(session.ServerLink().Security().has_value());
    EXPECT_FALSE(session.ServerLink().Security()->encrypted);
    EXPECT_TRUE(dialog.Link().text().contains(QStringLiteral("NOT encrypted")))
        << dialog.Link().text().toStdString();
    EXPECT_TRUE(dialog.Link().text().contains(QStringLiteral("sslmode=disable")))
        << dialog.Link().text().toStdString();
}

}  // namespace
}  // namespace terrovane::testing
