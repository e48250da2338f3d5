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
#include "SyncReport.h"
#include "TeamAccount.h"
#include "TeamSyncs.h"

namespace terrovane::teamui {

// This PC's membership of the team for the windows: the server and user (kept in the settings), the
// password (kept in the secret store), syncs on request and every few minutes, and the last report. The
// Team dialog and the archive window's sync line share one session.
class TeamSession : public QObject {
    Q_OBJECT

  public:
    explicit TeamSession(std::string archivePath, QObject* parent = nullptr);

    QString Server() const { return account_.Server(); }
    QString User() const { return account_.User(); }
    bool SignedIn() const { return account_.SignedIn(); }
    bool Syncing() const { return syncs_.Runner().Running(); }
    // A sync runs and was asked to stop: it ends after the batch or page under way.
    bool Cancelling() const { return syncs_.Runner().Cancelling(); }
    // Whether a password kept now outlives the program (false: no secret store, the window asks again).
    bool PasswordLasts() const { return account_.PasswordLasts(); }

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

    const std::optional<sync::SyncReport>& LastReport() const { return syncs_.LastReport(); }
    // How the connection to the server is protected, as learnt since the sign-in.
    const LinkWatch& ServerLink() const { return syncs_.Link(); }
    // When the last sync that succeeded ended (kept in the settings); invalid when none did.
    QDateTime LastSync() const;

    // Takes a finished sync's report as its own: the runner's, or one a screenshot shows.
    void Take(const sync::SyncReport& report);

  signals:
    // Signed in or out, the server or user changed, the automatic pace changed.
    void Changed();
    void SyncStarted();
    void SyncFinished(const terrovane::sync::SyncReport& report);

  private:
    // Declared in this order so that a sync still running ends before the secret store's last answers
    // are awaited.
    TeamAccount account_;
    TeamSyncs syncs_;
    AutoSyncPace pace_;
};

}  // namespace terrovane::teamui
