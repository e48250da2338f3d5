#pragma once

#include <memory>
#include <string>

#include "TestServer.h"

namespace terrovane::testing {

// Holds a lock on one table of a test database, so a sync that needs the table waits in the server at a
// known step: a test then acts while the sync is certainly under way, and lets it go on with Release().
class TableLock {
  public:
    // `mode` as LOCK TABLE takes it: SHARE holds up writers, ACCESS EXCLUSIVE readers too.
    TableLock(const ScratchDatabase& db, std::string table, const std::string& mode);
    ~TableLock();
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    bool Held() const { return held_; }
    // Whether another connection came to wait for the table within `timeoutMs`.
    bool WaitForWaiter(int timeoutMs = 30000);
    void Release();

  private:
    std::unique_ptr<pg::Connection> connection_;
    std::string table_;
    bool held_ = false;
};

}  // namespace terrovane::testing
