#include "SecretStore.h"

#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace terrovane::teamui {
namespace {

// The secret store finds the password by this name: a key, the same in every language, so a password kept
// under one language is found under another. Not translated for that reason.
const QString kService = QStringLiteral("Terrovane team server");

// How long the end of the program waits for the store's answers still on their way.
constexpr std::chrono::seconds kLastAnswers{5};

// Whether the failure means there is no usable store at all, rather than no entry in a working one.
bool NoStore(QKeychain::Error error) {
    return error != QKeychain::NoError && error != QKeychain::EntryNotFound;
}

}  // namespace

SecretStore::SecretStore(QObject* parent) : QObject(parent) {}

SecretStore::~SecretStore() {
    if (pending_ == 0) {
        return;
    }
    // The jobs are answered through the event loop (the store is reached over D-Bus). Their callers are
    // going away with this store: the answers are no news to anyone now.
    closing_ = true;
    QEventLoop loop;
    connect(this, &SecretStore::Idle, &loop, &QEventLoop::quit);
    QTimer::singleShot(kLastAnswers, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void SecretStore::Track(QKeychain::Job* job) {
    ++pending_;
    connect(job, &QKeychain::Job::finished, this, [this] {
        if (--pending_ == 0) {
            emit Idle();
        }
    });
}

void SecretStore::Read(const QString& account, std::function<void(std::optional<QString>)> done) {
    if (const auto held = session_.find(account); held != session_.end()) {
        done(held->second);
        return;
    }
    auto* job = new QKeychain::ReadPasswordJob(kService, this);
    Track(job);
    job->setKey(account);
    connect(job, &QKeychain::Job::finished, this, [this, job, done = std::move(done)] {
        if (closing_) {
            return;
        }
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
    Track(job);
    job->setKey(account);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [this, job, done = std::move(done)] {
        if (closing_) {
            return;
        }
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
    Track(job);
    job->setKey(account);
    job->start();
}

QString SecretAccount(const QString& server, const QString& user) {
    return user + QLatin1Char('@') + server;
}

}  // namespace terrovane::teamui
