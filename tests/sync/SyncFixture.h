#pragma once

#include <map>
#include <memory>
#include <string>

#include "Archive.h"
#include "SyncReport.h"
#include "TeamFixture.h"

namespace terrovane::testing {

// A team database with members ann, bob and cy (admins) and archives of their own in a scratch folder.
class SyncTest : public TeamDatabase {
  protected:
    void SetUp() override;

    std::string ArchivePath(const std::string& who) const;
    archive::Archive& Archive(const std::string& who);
    // A sync of the member's archive, signed in as the member over 127.0.0.1 (or `conninfo`).
    sync::SyncReport Sync(const std::string& who, const std::string& conninfo = {});
    // Syncs each in turn, twice round, as a team does over a day; every sync must succeed.
    void SyncAll(std::initializer_list<std::string> who);

    // What the team shares, as this archive holds it (read by Python's sqlite3): sites, points, read-outs,
    // results with their assignments, labels and notes, and the stored analyses.
    std::string Shared(const std::string& who) const;
    // The field stamps the archive believes the server has, and those the server has.
    std::string BaseStamps(const std::string& who) const;
    std::string ServerStamps() const;
    // Every archive holds what the first does, and the server the same stamps.
    void ExpectConverged(std::initializer_list<std::string> who);

    // What psql, signed in as the member, is shown: the server's own answer to another program.
    std::string PsqlAs(const std::string& who, const std::string& sql) const;

    // One statement on the member's archive file, through its own connection (as another program would).
    std::string Query(const std::string& who, const std::string& sql) const;

    std::int64_t AddSite(const std::string& who, const std::string& name);
    std::int64_t AddPoint(const std::string& who, std::int64_t site, const std::string& name);
    // Stores a read-out of distinct results; returns the id of the result in slot `slot`.
    std::int64_t StoreReadOut(const std::string& who, int seed, int slot = 0, int count = 3);

  private:
    std::string folder_;
    std::map<std::string, std::unique_ptr<archive::Archive>> archives_;
};

// Waits until the wall clock has moved on by at least `millis`, so a change made after it is later.
void PassMillis(int millis);

}  // namespace terrovane::testing
