// Cancelling a sync from the window: the Team dialog's Sync now turns into Cancel sync while a sync runs,
// the sync stops after the batch under way and says so in the dialog and the archive window's sync line,
// and Sync now then goes on from there. Closing the program while a sync runs cancels it and waits for it.
#include <QElapsedTimer>
#include <QTest>

#include "ArchiveFixtures.h"
#include "EventWait.h"
#include "SyncStrip.h"
#include "SyncTexts.h"
#include "TableLock.h"
#include "TeamDialog.h"
#include "TeamUiFixture.h"

namespace terrovane::testing {
namespace {

// More read-outs than one batch holds (500), so a cancelled first sync leaves some unsent.
constexpr int kReadOuts = 600;

class SyncCancelTest : public TeamUiTest {
  protected:
    void SetUp() override {
        TeamUiTest::SetUp();
        archive::testing::StoreReadOuts(Archive("ann"), 0, kReadOuts);
    }

    std::string ServerReadOuts() const {
        return owner_->Query("SELECT count(*) FROM terrovane.content WHERE kind = 'readout'").Scalar();
    }
};

TEST_F(SyncCancelTest, TheDialogsButtonCancelsASyncAndSyncNowGoesOnFromThere) {
    teamui::TeamSession session(ArchivePath("ann"));
    teamui::TeamDialog dialog(session);
    teamui::SyncStrip strip(Archive("ann"), session);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QString syncNow = dialog.SyncNowButton().text();
    {
        // The server holds the first batch until the button was pressed.
        TableLock lock(db_, "terrovane.content", "SHARE");
        ASSERT_TRUE(lock.Held());
        dialog.ServerEdit().setText(QString::fromStdString(ServerConninfo()));
        dialog.UserEdit().setText(QString::fromStdString(db_.Login("ann")));
        dialog.PasswordEdit().setText(QStringLiteral("pw-ann"));
        QTest::mouseClick(&dialog.SignInButton(), Qt::LeftButton);
        ASSERT_TRUE(session.Syncing());
        EXPECT_TRUE(dialog.SyncNowButton().isEnabled());
        EXPECT_NE(dialog.SyncNowButton().text(), syncNow);
        ASSERT_TRUE(lock.WaitForWaiter());

        QTest::mouseClick(&dialog.SyncNowButton(), Qt::LeftButton);
        EXPECT_TRUE(session.Cancelling());
        EXPECT_FALSE(dialog.SyncNowButton().isEnabled());  // pressed once is enough
        EXPECT_TRUE(strip.Summary().text().contains(QStringLiteral("Cancelling")))
            << strip.Summary().text().toStdString();
        lock.Release();
        ASSERT_TRUE(RunEventsUntil([&] { return !session.Syncing(); }, 60000));
    }
    ASSERT_TRUE(session.LastReport().has_value());
    EXPECT_EQ(session.LastReport()->error, sync::SyncError::Cancelled) << session.LastReport()->detail;
    EXPECT_TRUE(dialog.Status().text().contains(teamui::SyncErrorText(sync::SyncError::Cancelled)))
        << dialog.Status().text().toStdString();
    EXPECT_TRUE(strip.Summary().text().contains(QStringLiteral("cancelled")))
        << strip.Summary().text().toStdString();
    EXPECT_TRUE(strip.Summary().text().contains(QStringLiteral("Not yet sent: 100")))
        << strip.Summary().text().toStdString();
    EXPECT_EQ(ServerReadOuts(), "500");
    // The server took the password: the sign-in stands, and a cancelled sync is no successful one.
    EXPECT_TRUE(session.SignedIn());
    EXPECT_FALSE(session.LastSync().isValid());
    EXPECT_EQ(dialog.SyncNowButton().text(), syncNow);
    ASSERT_TRUE(dialog.SyncNowButton().isEnabled());

    QTest::mouseClick(&dialog.SyncNowButton(), Qt::LeftButton);
    ASSERT_TRUE(RunEventsUntil([&] { return !session.Syncing(); }, 60000));
    EXPECT_EQ(session.LastReport()->error, sync::SyncError::None) << session.LastReport()->detail;
    EXPECT_TRUE(session.LastReport()->inSync);
    EXPECT_EQ(ServerReadOuts(), std::to_string(kReadOuts));
    EXPECT_FALSE(strip.Summary().text().contains(QStringLiteral("cancelled")));
}

TEST_F(SyncCancelTest, ClosingTheProgramWhileASyncRunsCancelsItAndWaitsForIt) {
    auto session = std::make_unique<teamui::TeamSession>(ArchivePath("ann"));
    session->SignIn(QString::fromStdString(ServerConninfo()), QString::fromStdString(db_.Login("ann")),
                    QStringLiteral("pw-ann"));
    ASSERT_TRUE(session->Syncing());
    QElapsedTimer closing;
    closing.start();
    session.reset();  // as the main window's end takes it with it
    // It stopped at its first step between batches instead of sending the whole archive.
    EXPECT_LT(std::stoi(ServerReadOuts()), kReadOuts);
    std::printf("closing with a sync running took %lld ms\n", static_cast<long long>(closing.elapsed()));

    // Nothing was lost or left half done: the next sync brings the server all of it.
    const sync::SyncReport next = SyncAs("ann");
    EXPECT_EQ(next.error, sync::SyncError::None) << next.detail;
    EXPECT_TRUE(next.inSync);
    EXPECT_EQ(ServerReadOuts(), std::to_string(kReadOuts));
}

}  // namespace
}  // namespace terrovane::testing
