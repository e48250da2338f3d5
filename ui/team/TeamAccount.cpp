#include "TeamAccount.h"

#include <utility>

#include "ConninfoPassword.h"
#include "Settings.h"

namespace terrovane::teamui {

TeamAccount::TeamAccount() {
    const platform::Settings settings;
    server_ = QString::fromStdString(settings.TeamServer());
    user_ = settings.TeamUser();
}

void TeamAccount::Restore(std::function<void(bool found)> answered) {
    if (server_.isEmpty() || SignedIn()) {
        return;
    }
    const QString account = SecretAccount(server_, user_);
    secrets_.Read(account, [this, account, answered = std::move(answered)](std::optional<QString> password) {
        // The sign-in may have moved on while the store answered: a password of another account is not ours.
        const bool found = password && !SignedIn() && account == SecretAccount(server_, user_);
        if (found) {
            password_ = password;
        }
        answered(found);
    });
}

QString TeamAccount::Try(const QString& server, const QString& user, const QString& password) {
    pg::ConninfoWithoutPassword typed = pg::TakePasswordOut(server.trimmed().toStdString());
    server_ = QString::fromStdString(typed.conninfo);
    user_ = user.trimmed();
    trying_ = password.isEmpty() && typed.password ? QString::fromStdString(*typed.password) : password;
    return *trying_;
}

std::optional<QString> TeamAccount::TakeTried() {
    return std::exchange(trying_, std::nullopt);
}

void TeamAccount::Keep(const QString& password, std::function<void(bool stored)> written) {
    password_ = password;
    secrets_.Write(SecretAccount(server_, user_), password, std::move(written));
}

void TeamAccount::Forget() {
    if (SignedIn()) {
        secrets_.Forget(SecretAccount(server_, user_));
    }
    password_.reset();
    trying_.reset();
}

pg::ConnectOptions TeamAccount::Connection(const QString& password) const {
    pg::ConnectOptions connection;
    connection.conninfo = server_.toStdString();
    if (!user_.isEmpty()) {
        connection.user = user_.toStdString();
    }
    if (!password.isEmpty()) {
        connection.password = password.toStdString();
    }
    return connection;
}

}  // namespace terrovane::teamui
