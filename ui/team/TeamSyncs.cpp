#include "TeamSyncs.h"

#include "Settings.h"

namespace terrovane::teamui {

bool TeamSyncs::Start(const TeamAccount& account, const QString& password, bool rememberServer) {
    sync::SyncOptions options;
    options.connection = account.Connection(password);
    auto probe = std::make_shared<LinkWatch::Probe>();
    // The settings file is written on the sync's thread: its write waits for the disk.
    const bool started =
        runner_.Start([archivePath = archivePath_, options, rememberServer, server = account.Server(),
                       user = account.User(), probe, linkKnown = link_.Security().has_value()](
                          std::shared_ptr<const std::atomic<bool>> cancel) {
            if (rememberServer) {
                platform::Settings settings;
                settings.SetTeamServer(server.toStdString());
                settings.SetTeamUser(user);
                settings.Save();
            }
            sync::SyncOptions cancellable = options;
            cancellable.cancel = std::move(cancel);
            sync::SyncReport report = sync::Synchronize(archivePath, cancellable);
            if (report.error == sync::SyncError::None) {
                platform::Settings settings;
                settings.SetTeamLastSync(QDateTime::currentDateTimeUtc());
                settings.Save();
            }
            probe->LookAfter(report, options.connection, linkKnown);
            return report;
        });
    if (started) {
        link_.Watch(probe);
    }
    return started;
}

void TeamSyncs::Take(const sync::SyncReport& report) {
    lastReport_ = report;
    link_.TakeProbe();
}

}  // namespace terrovane::teamui
