#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "AutoSyncPace.h"
#include "IssuedReports.h"
#include "LinkWatch.h"
#include "SecretStore.h"
#include "SyncReport.h"
#include "SyncRunner.h"

namespace terrovane::teamui {

// This PC's membership of the team for the windows: the server and user (kept in the settings), the
// password (kept in the secret store), syncs on request and every few minutes, and the last report. The
// Team dialog and the archive window's sync line share one session.
class TeamSession : public QObject {
    Q_OBJECT

  public:
    explicit TeamSession(std::string archivePath, QObject* parent = nullptr);

    QString Server() const { return server_; }
    QString User() const { return user_; }
    bool SignedIn() const { return password_.has_value(); }
    bool Syncing() const { return runner_.Running(); }
    // A sync runs and was asked to stop: it ends after the batch or page under way.
    bool Cancelling() const { return runner_.Cancelling(); }
    // Whether a password kept now outlives the program (false: no secret store, the window asks again).
    bool PasswordLasts() const { return secrets_.Lasting(); }

    // Looks in the secret store for the password of the server and user last signed in with; signed in
    // when it is there.
    void Restore();
    // Signs in by syncing: the server and user are remembered, and the password is kept once the server
    // took it (a refused one is dropped and the session stays signed out).
    void SignIn(const QString& server, const QString& user, const QString& password);
    // Forgets the password and stops the automatic syncs; the server and user stay for the next sign-in.
    void SignOut();
    // Starts a sync; false when signed out or a sync runs.
    bool SyncNow();
    // Stops the running sync after the batch or page under way; it reports as cancelled. The same happens
    // when the session ends with a sync running (the program closes).
    void CancelSync();

    // The automatic syncs, which run while signed in.
    AutoSyncPace& Pace() { return pace_; }
    const AutoSyncPace& Pace() const { return pace_; }

    // The next report number from the team's server, signed in as this session; unreachable when signed
    // out. Waits for the server's answer (a few seconds at most when it cannot be reached).
    archive::ServerReportNumber IssueReportNumber(const std::string& prefix, int year) const;

    const std::optional<sync::SyncReport>& LastReport() const { return lastReport_; }
    // How the connection to the server is protected, as learnt since the sign-in.
    const LinkWatch& ServerLink() const { return link_; }
    // When the last sync that succeeded ended (kept in the settings); invalid when none did.
    QDateTime LastSync() const;
    const std::string& ArchivePath() const { return archivePath_; }

    // Takes a finished sync's report as its own: the runner's, or one a screenshot shows.
    void Take(const sync::SyncReport& report);

  signals:
    // Signed in or out, the server or user changed, the automatic pace changed.
    void Changed();
    void SyncStarted();
    void SyncFinished(const terrovane::sync::SyncReport& report);

  private:
    // Starts a sync with the password; `rememberServer` keeps the server and user in the settings first.
    bool StartSync(const QString& password, bool rememberServer);
    void KeepPassword(const QString& password);

    std::string archivePath_;
    QString server_;
    QString user_;
    std::optional<QString> password_;
    // The password of a sign-in whose first sync has not answered yet.
    std::optional<QString> trying_;
    std::optional<sync::SyncReport> lastReport_;
    LinkWatch link_;
    SecretStore secrets_;
    SyncRunner runner_;
    AutoSyncPace pace_;
};

}  // namespace terrovane::teamui
