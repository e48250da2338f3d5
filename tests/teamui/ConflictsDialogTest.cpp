// The archive window's sync line and conflicts dialog against the real server: the list fills after a
// sync that finds conflicts, Keep that makes the lost value this PC's change that then wins everywhere,
// Keep this only takes the entry off the list.
#include <QTest>

#include "ConflictsDialog.h"
#include "EventWait.h"
#include "Sites.h"
#include "SyncStrip.h"
#include "TeamDialog.h"
#include "TeamUiFixture.h"

namespace terrovane::testing {
namespace {

void EditSite(archive::Archive& archive, const std::string& name,
              const std::function<void(archive::SiteFields&)>& edit) {
    std::string error;
    const std::optional<archive::SiteRow> site = archive::FindSite(archive, name, error);
    ASSERT_TRUE(site.has_value()) << name << ": " << error;
    archive::SiteFields fields = site->fields;
    edit(fields);
    ASSERT_TRUE(archive::UpdateSite(archive, site->id, fields, error)) << error;
}

// The row of the conflict about `field` (its second column names the field).
int RowOf(const teamui::ConflictsDialog& dialog, const QString& field) {
    for (int row = 0; row < dialog.List().rowCount(); ++row) {
        if (dialog.List().item(row, 1)->text() == field) {
            return row;
        }
    }
    return -1;
}

TEST_F(TeamUiTest, TheConflictsDialogSettlesAConflictEitherWay) {
    archive::SiteFields north;
    north.name = "North";
    std::int64_t id = 0;
    std::string error;
    ASSERT_TRUE(archive::AddSite(Archive("ann"), north, id, error)) << error;
    ASSERT_TRUE(SyncAs("ann").inSync);
    ASSERT_TRUE(SyncAs("bob").inSync);
    // Offline, both change the name and the address; bob's changes come later and win.
    EditSite(Archive("ann"), "North", [](archive::SiteFields& f) {
        f.name = "North yard";
        f.address = "Quay 1";
    });
    PassMillis(5);
    EditSite(Archive("bob"), "North", [](archive::SiteFields& f) {
        f.name = "North field";
        f.address = "Quay 2";
    });
    ASSERT_TRUE(SyncAs("bob").inSync);

    teamui::TeamSession session(ArchivePath("ann"));
    teamui::SyncStrip strip(Archive("ann"), session);
    strip.ShowConflicts();
    teamui::ConflictsDialog& dialog = *strip.Conflicts();
    EXPECT_EQ(dialog.List().rowCount(), 0);
    EXPECT_FALSE(dialog.KeepThisButton().isEnabled());
    EXPECT_FALSE(strip.Summary().text().contains(QStringLiteral("Not yet sent: 0")))
        << strip.Summary().text().toStdString();

    // Ann signs in; the sync finds both conflicts, and the open list and the line follow it.
    session.SignIn(QString::fromStdString(ServerConninfo()), QString::fromStdString(db_.Login("ann")),
                   QStringLiteral("pw-ann"));
    ASSERT_TRUE(RunEventsUntil([&] { return !session.Syncing(); }, 60000));
    ASSERT_EQ(session.LastReport()->error, sync::SyncError::None) << session.LastReport()->detail;
    ASSERT_EQ(dialog.List().rowCount(), 2);
    EXPECT_EQ(strip.ConflictsButton().text(), QStringLiteral("Conflicts (2)..."));
    EXPECT_TRUE(strip.Summary().text().contains(QStringLiteral("Not yet sent: 0")));
    const int nameRow = RowOf(dialog, QStringLiteral("Name"));
    ASSERT_GE(nameRow, 0);
    EXPECT_EQ(dialog.List().item(nameRow, 2)->text(), QStringLiteral("North field"));
    EXPECT_EQ(dialog.List().item(nameRow, 3)->text().toStdString(), db_.Login("bob"));
    EXPECT_EQ(dialog.List().item(nameRow, 5)->text(), QStringLiteral("North yard"));
    EXPECT_FALSE(dialog.List().item(nameRow, 4)->text().isEmpty());

    // Keep that: ann's name comes back here and waits to be sent.
    dialog.List().selectRow(nameRow);
    QTest::mouseClick(&dialog.KeepThatButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.List().rowCount(), 1);
    EXPECT_EQ(Query("ann", "SELECT name, address FROM sites"), R"([["North yard", "Quay 2"]])");
    EXPECT_EQ(strip.ConflictsButton().text(), QStringLiteral("Conflicts (1)..."));
    EXPECT_FALSE(strip.Summary().text().contains(QStringLiteral("Not yet sent: 0")));

    // Keep this: the address in force stays, the list is empty.
    dialog.List().selectRow(RowOf(dialog, QStringLiteral("Address")));
    QTest::mouseClick(&dialog.KeepThisButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.List().rowCount(), 0);
    EXPECT_EQ(strip.ConflictsButton().text(), QStringLiteral("Conflicts..."));

    // The next syncs carry ann's choice to bob.
    ASSERT_TRUE(session.SyncNow());
    ASSERT_TRUE(RunEventsUntil([&] { return !session.Syncing(); }, 60000));
    ASSERT_EQ(session.LastReport()->error, sync::SyncError::None) << session.LastReport()->detail;
    ASSERT_EQ(SyncAs("bob").error, sync::SyncError::None);
    EXPECT_EQ(Query("bob", "SELECT name, address FROM sites"), R"([["North yard", "Quay 2"]])");
    EXPECT_TRUE(strip.Summary().text().contains(QStringLiteral("Not yet sent: 0")));
}

}  // namespace
}  // namespace terrovane::testing
