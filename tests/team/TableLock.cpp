#include "TableLock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace terrovane::testing {

TableLock::TableLock(const ScratchDatabase& db, std::string table, const std::string& mode)
    : connection_(db.Superuser()), table_(std::move(table)) {
    if (connection_ == nullptr) {
        return;
    }
    const pg::QueryResult begun = connection_->Query("BEGIN");
    const pg::QueryResult locked = connection_->Query("LOCK TABLE " + table_ + " IN " + mode + " MODE");
    EXPECT_TRUE(begun.Ok()) << begun.Explained();
    EXPECT_TRUE(locked.Ok()) << locked.Explained();
    held_ = begun.Ok() && locked.Ok();
}

TableLock::~TableLock() {
    Release();
}

bool TableLock::WaitForWaiter(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    // Asked inside the transaction that holds the lock: pg_locks shows every session's.
    while (std::chrono::steady_clock::now() < deadline) {
        const pg::QueryResult waiting = connection_->Query(
            "SELECT count(*) FROM pg_locks WHERE relation = $1::regclass AND NOT granted", {table_});
        if (!waiting.Ok()) {
            ADD_FAILURE() << waiting.Explained();
            return false;
        }
        if (waiting.Scalar() != "0") {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

void TableLock::Release() {
    if (held_) {
        held_ = false;
        const pg::QueryResult done = connection_->Query("COMMIT");
        EXPECT_TRUE(done.Ok()) << done.Explained();
    }
}

}  // namespace terrovane::testing
