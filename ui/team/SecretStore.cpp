#include "SecretStore.h"

#include <qt6keychain/keychain.h>

namespace terrovane::teamui {
namespace {

// The secret store finds the password by this name: a key, the same in every language, so a password kept
// under one language is found under another. Not translated for that reason.
const QString kService = QStringLiteral("Terrovane team server");

// Whether the failure means there is no usable store at all, rather than no entry in a working one.
bool NoStore(QKeychain::Error error) {
    return error != QKeychain::NoError && error != QKeychain::EntryNotFound;
}

}  // namespace

SecretStore::SecretStore(QObject* parent) : QObject(parent) {}

void SecretStore::Read(const QString& account, std::function<void(std::optional<QString>)> done) {
    if (const auto held = session_.find(account); held != session_.end()) {
        done(held->second);
        return;
    }
    auto* job = new QKeychain::ReadPasswordJob(kService, this);
    job->setKey(account);
    connect(job, &QKeychain::Job::finished, this, [this, job, done = std::move(done)] {
        if (NoStore(job->error())) {
            lasting_ = false;
        }
        done(job->error() == QKeychain::NoError ? std::optional<QString>(job->textData()) : std::nullopt);
    });
    job->start();
}

void SecretStore::Write(const QString& account, const QString& password, std::function<void(bool)> done) {
    // Kept here as well, so a store that fails leaves the session signed in all the same.
    session_[account] = password;
    auto* job = new QKeychain::WritePasswordJob(kService, this);
    job->setKey(account);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [this, job, done = std::move(done)] {
        const bool stored = job->error() == QKeychain::NoError;
        if (!stored) {
            lasting_ = false;
        }
        done(stored);
    });
    job->start();
}

void SecretStore::Forget(const QString& account) {
    session_.erase(account);
    auto* job = new QKeychain::DeletePasswordJob(kService, this);
    job->setKey(account);
    job->start();
}

QString SecretAccount(const QString& server, const QString& user) {
    return user + QLatin1Char('@') + server;
}

}  // namespace terrovane::teamui
