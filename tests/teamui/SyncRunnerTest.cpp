// The runner reports on the window's thread and runs one sync at a time.
#include <QThread>

#include "EventWait.h"
#include "SyncRunner.h"
#include "TeamUiFixture.h"

namespace terrovane::testing {
namespace {

TEST_F(TeamUiTest, TheRunnerStartsOneSyncAtATimeAndReportsOnTheWindowsThread) {
    teamui::SyncRunner runner;
    std::vector<sync::SyncReport> reports;
    QThread* reportedOn = nullptr;
    QObject::connect(&runner, &teamui::SyncRunner::Finished, [&](const sync::SyncReport& report) {
        reports.push_back(report);
        reportedOn = QThread::currentThread();
    });
    sync::SyncOptions options;
    options.connection.conninfo = db_.TcpConninfo(db_.Login("ann"), "pw-ann");
    Archive("ann");
    ASSERT_TRUE(runner.Start(ArchivePath("ann"), options));
    EXPECT_TRUE(runner.Running());
    EXPECT_FALSE(runner.Start(ArchivePath("ann"), options));
    ASSERT_TRUE(RunEventsUntil([&] { return !reports.empty(); }, 60000));
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].error, sync::SyncError::None) << reports[0].detail;
    EXPECT_EQ(reportedOn, QThread::currentThread());
    EXPECT_FALSE(runner.Running());
    // Done, it takes the next one.
    ASSERT_TRUE(runner.Start(ArchivePath("ann"), options));
    ASSERT_TRUE(RunEventsUntil([&] { return reports.size() == 2; }, 60000));
}

}  // namespace
}  // namespace terrovane::testing
