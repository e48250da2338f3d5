#pragma once

#include <string>

#include "Sqlite.h"

namespace terrovane::sync {

// The sync's own settings in the archive: the next batch number, the pull cursor, the server synced with.
std::string StateValue(archive::Database& db, const std::string& key, const std::string& fallback);
void SetStateValue(archive::Database& db, const std::string& key, const std::string& value);

// While it lives, what the sync writes into the archive's tables is not recorded as a change to send.
class Applying {
  public:
    explicit Applying(archive::Database& db);
    ~Applying();
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;

  private:
    archive::Database& db_;
};

}  // namespace terrovane::sync
