#include "Transaction.h"

#include <sqlite3.h>

namespace terrovane::archive {
namespace {

// A deferred transaction takes its snapshot at its first read; reading the layout is that read, so the
// snapshot is fixed here rather than at whichever statement happens to come first.
int ReadLayout(Database& db, int& layout) {
    Statement query;
    int rc = query.Prepare(
        db, "SELECT (SELECT count(*) FROM sqlite_schema), user_version FROM pragma_user_version");
    if (rc != SQLITE_OK) {
        return rc;
    }
    rc = query.Step();
    if (rc != SQLITE_ROW) {
        return rc;
    }
    layout = static_cast<int>(query.Int(1));
    return SQLITE_OK;
}

}  // namespace

Failure LastFailure(Database& db, int rc) {
    return FailureOf(rc == SQLITE_ERROR ? db.ExtendedErrorCode() : rc, db.Error());
}

Failure OperationFailure(Database& db, const std::string& error) {
    const int rc = db.ExtendedErrorCode();
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW && db.Error() == error) {
        return FailureOf(rc, error);
    }
    Failure failure;
    failure.code = error.rfind("there is no ", 0) == 0 ? ErrorCode::NoSuchItem : ErrorCode::Refused;
    failure.arguments = {error};
    failure.sqliteMessage = error;
    return failure;
}

Failure LibraryFailure(const std::string& text) {
    Failure failure;
    failure.code = ErrorCode::Failed;
    failure.arguments = {text};
    failure.sqliteMessage = text;
    return failure;
}

ReadTransaction::ReadTransaction(Database& db) : db_(db) {
    int rc = db_.Exec("BEGIN DEFERRED");
    if (rc == SQLITE_OK) {
        rc = ReadLayout(db_, layout_);
    }
    if (rc != SQLITE_OK) {
        failure_ = LastFailure(db_, rc);
    }
}

ReadTransaction::~ReadTransaction() {
    // Ending a read changes nothing; it only lets go of the snapshot.
    if (sqlite3_get_autocommit(db_.Handle()) == 0) {
        db_.Exec("ROLLBACK");
    }
}

Status ReadTransaction::Begun() const {
    if (failure_) {
        return *failure_;
    }
    return Done{};
}

WriteTransaction::WriteTransaction(Database& db) : db_(db) {
    int rc = db_.Exec("BEGIN IMMEDIATE");
    open_ = rc == SQLITE_OK;
    if (rc == SQLITE_OK) {
        rc = ReadLayout(db_, layout_);
    }
    if (rc != SQLITE_OK) {
        failure_ = LastFailure(db_, rc);
    }
}

WriteTransaction::~WriteTransaction() {
    if (open_ && sqlite3_get_autocommit(db_.Handle()) == 0) {
        db_.Exec("ROLLBACK");
    }
}

Status WriteTransaction::Begun() const {
    if (failure_) {
        return *failure_;
    }
    return Done{};
}

Status WriteTransaction::Commit() {
    if (failure_) {
        return *failure_;
    }
    const int rc = db_.Exec("COMMIT");
    if (rc != SQLITE_OK) {
        failure_ = LastFailure(db_, rc);
        return *failure_;
    }
    open_ = false;
    return Done{};
}

}  // namespace terrovane::archive
