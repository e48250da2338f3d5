#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <map>
#include <optional>

namespace QKeychain {
class Job;
}

namespace terrovane::teamui {

// Where the team password lives: the desktop's secret store, never a file of ours. Without a store (no
// session bus, no keyring) a password is kept in this process only, so the window asks again at the next
// start. The store answers asynchronously; each call's `done` runs on this object's thread.
class SecretStore : public QObject {
    Q_OBJECT

  public:
    explicit SecretStore(QObject* parent = nullptr);
    // Lets the store's answers still on their way arrive first (for a few seconds at most): a password
    // kept at a sign-in, or forgotten at Sign out, just before the program ends must be so at the next
    // start too.
    ~SecretStore() override;

    // The password kept for the account; nullopt when none is kept anywhere.
    void Read(const QString& account, std::function<void(std::optional<QString>)> done);
    // Keeps the password for the account; `done` learns whether the desktop's store took it (false: kept
    // for this session only).
    void Write(const QString& account, const QString& password, std::function<void(bool stored)> done);
    // Forgets the account's password here and in the desktop's store.
    void Forget(const QString& account);

    // False once the desktop's store failed to answer: passwords then last only as long as the program.
    bool Lasting() const { return lasting_; }
    // Requests to the desktop's store not answered yet.
    int Pending() const { return pending_; }

  signals:
    // The last request under way was answered.
    void Idle();

  private:
    // Counts the job until it finishes.
    void Track(QKeychain::Job* job);

    std::map<QString, QString> session_;
    bool lasting_ = true;
    int pending_ = 0;
    bool closing_ = false;
};

// The name a password is kept under: who signs in to which server.
QString SecretAccount(const QString& server, const QString& user);

}  // namespace terrovane::teamui
