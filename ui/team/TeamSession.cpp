#include "TeamSession.h"

#include "ReportNumbers.h"

#include "Settings.h"

namespace terrovane::teamui {
namespace {

// Failures that say the password or the membership is wrong: a sign-in that meets them is not kept.
bool RefusesSignIn(sync::SyncError error) {
    return error == sync::SyncError::SignInRefused || error == sync::SyncError::NotMember;
}

}  // namespace

TeamSession::TeamSession(std::string archivePath, QObject* parent)
    : QObject(parent), syncs_(std::move(archivePath)) {
    connect(&syncs_.Runner(), &SyncRunner::Started, this, &TeamSession::SyncStarted);
    connect(&syncs_.Runner(), &SyncRunner::Finished, this, &TeamSession::Take);
    connect(&pace_, &AutoSyncPace::Due, this, [this] { SyncNow(); });
    connect(&pace_, &AutoSyncPace::Changed, this, &TeamSession::Changed);
}

void TeamSession::Restore() {
    account_.Restore([this](bool found) {
        if (found) {
            pace_.Follow(true);
        }
        emit Changed();  // found or not: whether the store answers is news for the dialog too
    });
}

void TeamSession::SignIn(const QString& server, const QString& user, const QString& password) {
    if (Syncing()) {
        return;
    }
    const QString given = account_.Try(server, user, password);
    syncs_.Link().Forget();
    emit Changed();
    if (!syncs_.Start(account_, given, true)) {
        account_.TakeTried();
    }
}

void TeamSession::SignOut() {
    account_.Forget();
    syncs_.Link().Forget();
    pace_.Follow(false);
    emit Changed();
}

bool TeamSession::SyncNow() {
    const std::optional<QString>& password = account_.Password();
    return password && syncs_.Start(account_, *password, false);
}

archive::ServerReportNumber TeamSession::IssueReportNumber(const std::string& prefix, int year) const {
    const std::optional<QString>& password = account_.Password();
    if (!password) {
        return {archive::ServerReportNumber::Outcome::Unreachable, {}, {}, "signed out"};
    }
    pg::ConnectOptions connection = account_.Connection(*password);
    connection.connectTimeout = std::chrono::seconds(5);
    return sync::IssueServerReportNumber(connection, prefix, year);
}

void TeamSession::CancelSync() {
    if (Syncing() && !Cancelling()) {
        syncs_.Runner().Cancel();
        emit Changed();
    }
}

void TeamSession::Take(const sync::SyncReport& report) {
    syncs_.Take(report);
    if (const std::optional<QString> tried = account_.TakeTried()) {
        // A server without TLS never saw the password: nothing is signed in until the connection is mended.
        if (!RefusesSignIn(report.error) && !syncs_.Link().ServerLacksTls()) {
            account_.Keep(*tried, [this](bool) { emit Changed(); });
            pace_.Follow(true);
            emit Changed();
        }
    } else if (RefusesSignIn(report.error) && SignedIn()) {
        // The password was changed or the membership ended on the server: ask again.
        SignOut();
    }
    emit SyncFinished(report);
}

QDateTime TeamSession::LastSync() const {
    return platform::Settings().TeamLastSync();
}

}  // namespace terrovane::teamui
