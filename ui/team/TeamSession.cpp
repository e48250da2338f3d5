#include "TeamSession.h"

#include "ReportNumbers.h"

#include "ConninfoPassword.h"
#include "Settings.h"

namespace terrovane::teamui {
namespace {

// Failures that say the password or the membership is wrong: a sign-in that meets them is not kept.
bool RefusesSignIn(sync::SyncError error) {
    return error == sync::SyncError::SignInRefused || error == sync::SyncError::NotMember;
}

}  // namespace

TeamSession::TeamSession(std::string archivePath, QObject* parent)
    : QObject(parent), archivePath_(std::move(archivePath)) {
    const platform::Settings settings;
    server_ = QString::fromStdString(settings.TeamServer());
    user_ = settings.TeamUser();
    connect(&runner_, &SyncRunner::Started, this, &TeamSession::SyncStarted);
    connect(&runner_, &SyncRunner::Finished, this, &TeamSession::Take);
    connect(&pace_, &AutoSyncPace::Due, this, [this] { SyncNow(); });
    connect(&pace_, &AutoSyncPace::Changed, this, &TeamSession::Changed);
}

void TeamSession::Restore() {
    if (server_.isEmpty() || SignedIn()) {
        return;
    }
    const QString account = SecretAccount(server_, user_);
    secrets_.Read(account, [this, account](std::optional<QString> password) {
        if (password && !SignedIn() && account == SecretAccount(server_, user_)) {
            password_ = password;
            pace_.Follow(true);
        }
        emit Changed();  // found or not: whether the store answers is news for the dialog too
    });
}

void TeamSession::SignIn(const QString& server, const QString& user, const QString& password) {
    if (Syncing()) {
        return;
    }
    // A password typed into the connection string goes where passwords go, never into the settings.
    pg::ConninfoWithoutPassword typed = pg::TakePasswordOut(server.trimmed().toStdString());
    server_ = QString::fromStdString(typed.conninfo);
    user_ = user.trimmed();
    link_.Forget();
    const QString given =
        password.isEmpty() && typed.password ? QString::fromStdString(*typed.password) : password;
    trying_ = given;
    emit Changed();
    if (!StartSync(given, true)) {
        trying_.reset();
    }
}

void TeamSession::SignOut() {
    if (SignedIn()) {
        secrets_.Forget(SecretAccount(server_, user_));
    }
    password_.reset();
    trying_.reset();
    link_.Forget();
    pace_.Follow(false);
    emit Changed();
}

bool TeamSession::SyncNow() {
    return password_ && StartSync(*password_, false);
}

archive::ServerReportNumber TeamSession::IssueReportNumber(const std::string& prefix, int year) const {
    if (!password_) {
        return {archive::ServerReportNumber::Outcome::Unreachable, {}, {}, "signed out"};
    }
    pg::ConnectOptions connection;
    connection.conninfo = server_.toStdString();
    if (!user_.isEmpty()) {
        connection.user = user_.toStdString();
    }
    if (!password_->isEmpty()) {
        connection.password = password_->toStdString();
    }
    connection.connectTimeout = std::chrono::seconds(5);
    return sync::IssueServerReportNumber(connection, prefix, year);
}

void TeamSession::CancelSync() {
    if (Syncing() && !runner_.Cancelling()) {
        runner_.Cancel();
        emit Changed();
    }
}

bool TeamSession::StartSync(const QString& password, bool rememberServer) {
    sync::SyncOptions options;
    options.connection.conninfo = server_.toStdString();
    if (!user_.isEmpty()) {
        options.connection.user = user_.toStdString();
    }
    if (!password.isEmpty()) {
        options.connection.password = password.toStdString();
    }
    auto probe = std::make_shared<LinkWatch::Probe>();
    // The settings file is written on the sync's thread: its write waits for the disk.
    const bool started = runner_.Start(
        [archivePath = archivePath_, options, rememberServer, server = server_, user = user_, probe,
         linkKnown = link_.Security().has_value()](std::shared_ptr<const std::atomic<bool>> cancel) {
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

void TeamSession::Take(const sync::SyncReport& report) {
    lastReport_ = report;
    link_.TakeProbe();
    if (trying_) {
        const QString password = *trying_;
        trying_.reset();
        // A server without TLS never saw the password: nothing is signed in until the connection is mended.
        if (!RefusesSignIn(report.error) && !link_.ServerLacksTls()) {
            KeepPassword(password);
        }
    } else if (RefusesSignIn(report.error) && SignedIn()) {
        // The password was changed or the membership ended on the server: ask again.
        SignOut();
    }
    emit SyncFinished(report);
}

void TeamSession::KeepPassword(const QString& password) {
    password_ = password;
    secrets_.Write(SecretAccount(server_, user_), password, [this](bool) { emit Changed(); });
    pace_.Follow(true);
    emit Changed();
}

QDateTime TeamSession::LastSync() const {
    return platform::Settings().TeamLastSync();
}

}  // namespace terrovane::teamui
