#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "Connection.h"
#include "SecretStore.h"

namespace terrovane::teamui {

// Who this PC signs in to the team's server as: the server and user (kept in the settings) and the password
// (kept in the secret store, under the server and user it belongs to).
class TeamAccount {
  public:
    // Starts with the server and user last signed in with, signed out.
    TeamAccount();

    const QString& Server() const { return server_; }
    const QString& User() const { return user_; }
    bool SignedIn() const { return password_.has_value(); }
    const std::optional<QString>& Password() const { return password_; }
    // Whether a password kept now outlives the program (false: no secret store, the window asks again).
    bool PasswordLasts() const { return secrets_.Lasting(); }

    // Looks in the secret store for the password of the server and user; `answered` learns whether it
    // was there and taken (signed in). Nothing is asked when no server is known or already signed in.
    void Restore(std::function<void(bool found)> answered);
    // Takes the server and user of a sign-in and holds the password to try until the server answers; a
    // password typed into the connection string is taken out of it, so it never reaches the settings.
    // Returns the password to try.
    QString Try(const QString& server, const QString& user, const QString& password);
    // The password of a sign-in under way, now no longer held; nullopt when none is.
    std::optional<QString> TakeTried();
    // Signs in with the password the server took and keeps it in the secret store; `written` learns
    // whether the desktop's store took it.
    void Keep(const QString& password, std::function<void(bool stored)> written);
    // Forgets the password here and in the secret store; the server and user stay.
    void Forget();

    // How to reach the server as this account with the password.
    pg::ConnectOptions Connection(const QString& password) const;

  private:
    QString server_;
    QString user_;
    std::optional<QString> password_;
    // The password of a sign-in whose first sync has not answered yet.
    std::optional<QString> trying_;
    SecretStore secrets_;
};

}  // namespace terrovane::teamui
