#pragma once

#include <QString>

#include <optional>
#include <string>

#include "LinkWatch.h"
#include "SyncReport.h"
#include "SyncRunner.h"
#include "TeamAccount.h"

namespace terrovane::teamui {

// The session's syncs of one archive: each runs off the window's thread with the settings it writes, and
// what the last one learnt stays (its report, how the connection is protected).
class TeamSyncs {
  public:
    explicit TeamSyncs(std::string archivePath) : archivePath_(std::move(archivePath)) {}

    // Starts a sync as the account with the password; `rememberServer` keeps the account's server and
    // user in the settings first. False when a sync runs.
    bool Start(const TeamAccount& account, const QString& password, bool rememberServer);
    // Takes a finished sync's report and what its look at the connection found.
    void Take(const sync::SyncReport& report);

    SyncRunner& Runner() { return runner_; }
    const SyncRunner& Runner() const { return runner_; }
    LinkWatch& Link() { return link_; }
    const LinkWatch& Link() const { return link_; }
    const std::optional<sync::SyncReport>& LastReport() const { return lastReport_; }
    const std::string& ArchivePath() const { return archivePath_; }

  private:
    std::string archivePath_;
    std::optional<sync::SyncReport> lastReport_;
    LinkWatch link_;
    SyncRunner runner_;
};

}  // namespace terrovane::teamui
