#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "IssuedReports.h"
#include "LinkSecurity.h"
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

    // Minutes between automatic syncs while signed in; 0 for none.
    int AutoMinutes() const { return autoMinutes_; }
    void SetAutoMinutes(int minutes);
    // The automatic syncs' pace in finer steps than minutes (while they are on), for tests.
    void SetAutoInterval(std::chrono::milliseconds interval);
    // Whether an automatic sync is due: signed in with a pace set.
    bool AutoSyncScheduled() const { return autoTimer_.isActive(); }

    // The next report number from the team's server, signed in as this session; unreachable when signed
    // out. Waits for the server's answer (a few seconds at most when it cannot be reached).
    archive::ServerReportNumber IssueReportNumber(const std::string& prefix, int year) const;

    const std::optional<sync::SyncReport>& LastReport() const { return lastReport_; }
    // How the connection to the server is protected, as learnt after the first sync that reached it since
    // the sign-in; none before.
    const std::optional<pg::LinkSecurity>& Link() const { return link_; }
    // The last sync found that the server offers no TLS where the connection requires it; it sent nothing.
    bool ServerLacksTls() const { return serverLacksTls_; }
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
    // What a look at the connection after a sync found; written on the sync's thread, read after it ended.
    struct LinkProbe {
        bool ran = false;
        std::optional<pg::LinkSecurity> link;
        bool lacksTls = false;
    };

    // Starts a sync with the password; `rememberServer` keeps the server and user in the settings first.
    bool StartSync(const QString& password, bool rememberServer);
    void KeepPassword(const QString& password);
    void PaceAutomaticSyncs();
    void SaveSettings();

    std::string archivePath_;
    QString server_;
    QString user_;
    std::optional<QString> password_;
    // The password of a sign-in whose first sync has not answered yet.
    std::optional<QString> trying_;
    int autoMinutes_ = 0;
    std::optional<std::chrono::milliseconds> autoInterval_;
    std::optional<sync::SyncReport> lastReport_;
    std::optional<pg::LinkSecurity> link_;
    bool serverLacksTls_ = false;
    std::shared_ptr<LinkProbe> probe_;  // the running sync's
    SecretStore secrets_;
    SyncRunner runner_;
    QTimer autoTimer_;
};

}  // namespace terrovane::teamui
