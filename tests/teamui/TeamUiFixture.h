#pragma once

#include <QTimer>

#include <functional>

#include <map>
#include <memory>
#include <string>

#include "Archive.h"
#include "SyncReport.h"
#include "TeamFixture.h"
#include "TestEnvironment.h"

namespace terrovane::testing {

// A team database with the admins ann and bob, each with an archive of their own in a scratch folder, and
// no desktop secret store (no session bus): the windows then keep a password for the session only.
class TeamUiTest : public TeamDatabase {
  protected:
    void SetUp() override;

    // The server as a person types it into the Team dialog: no user, no password.
    std::string ServerConninfo() const;
    std::string ArchivePath(const std::string& who) const;
    archive::Archive& Archive(const std::string& who);
    // A sync of the member's archive as another PC runs it, signed in as the member.
    sync::SyncReport SyncAs(const std::string& who);
    void StoreReadOut(const std::string& who, int seed);
    // One statement on the member's archive file, read by Python's sqlite3.
    std::string Query(const std::string& who, const std::string& sql) const;
    // The settings file's whole text, as another program would read it.
    std::string SettingsFileText() const;

  private:
    std::string folder_;
    std::map<std::string, std::unique_ptr<archive::Archive>> archives_;
    EnvironmentOverride noBus_{"DBUS_SESSION_BUS_ADDRESS", std::nullopt};
    EnvironmentOverride noDisplay_{"DISPLAY", std::nullopt};
};

// The longest time the event loop went without running a 1 ms timer, while it lives.
// Counts the event loop's turns while a condition holds: a window whose loop turns while work runs
// keeps answering the user.
class LoopTurnsWhile {
  public:
    explicit LoopTurnsWhile(std::function<bool()> condition);
    int Count() const { return count_; }

  private:
    QTimer tick_;
    int count_ = 0;
};

// Waits until the wall clock has moved on by at least `millis`, so a change made after it is later.
void PassMillis(int millis);

}  // namespace terrovane::testing
