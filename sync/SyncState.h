#pragma once

#include <string>

#include "Sqlite.h"

namespace terrovane::sync {

// The sync's own settings in the archive: the next batch number, the pull cursor, the server synced with.
std::string StateValue(archive::Database& db, const std::string& key, const std::string& fallback);
void SetStateValue(archive::Database& db, const std::string& key, const std::string& value);

// From its making until Finish, what the sync writes into the archive's tables is not recorded as a change
// to send. Finish ends it inside the same unit of work and throws when it cannot: a mark left behind would
// keep every later edit on this PC from being sent. Left without Finish (an exception on its way out),
// the unit of work rolls back and takes the mark with it.
class Applying {
  public:
    explicit Applying(archive::Database& db);
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;
    void Finish();

  private:
    archive::Database& db_;
};

}  // namespace terrovane::sync
