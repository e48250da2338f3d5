// The archive's units of work: one connection per outermost unit, one transaction per unit.
#include <sqlite3.h>

#include <cerrno>

#include "Archive.h"
#include "ArchivePath.h"
#include "Schema.h"
#include "SchemaV14.h"
#include "Transaction.h"

namespace terrovane::archive {
namespace {

Failure Refusal(std::string why) {
    Failure failure;
    failure.code = ErrorCode::Refused;
    failure.arguments = {why};
    failure.sqliteMessage = std::move(why);
    return failure;
}

}  // namespace

Status Archive::Failed(Failure failure) {
    latestFailure_ = failure;
    return failure;
}

Status Archive::Connect() {
    std::string error;
    if (!PrepareArchiveFile(path_, error)) {
        return FailureOf(errno == EACCES || errno == EROFS ? SQLITE_READONLY : SQLITE_CANTOPEN, error);
    }
    if (!LooksLikeDatabase(path_)) {
        return FailureOf(SQLITE_NOTADB, path_ + " is not an archive");
    }
    int rc = db_.Open(path_, false);
    // Full sync: a read-out that was reported stored survives a crash of the machine too.
    for (const char* pragma : {"PRAGMA foreign_keys = ON", "PRAGMA synchronous = FULL"}) {
        if (rc == SQLITE_OK) {
            rc = db_.Exec(pragma);
        }
    }
    if (rc != SQLITE_OK) {
        Failure failure = LastFailure(db_, rc);
        db_.Close();
        return failure;
    }
    return Done{};
}

Status Archive::Run(Access access, const Work& work) {
    if (!db_.IsOpen()) {
        Status status = RunOutermost(access, work);
        if (status) {
            latestFailure_.reset();
        } else {
            latestFailure_ = status.Error();
        }
        return status;
    }
    if (access == Access::Write && !writing_) {
        return Failed(Refusal("a change was asked for while the archive was being read"));
    }
    return work(db_);
}

Status Archive::RunOutermost(Access access, const Work& work) {
    if (Status connected = Connect(); !connected) {
        return connected;
    }
    struct Closer {
        Archive& archive;
        ~Closer() {
            archive.writing_ = false;
            archive.db_.Close();
        }
    } closer{*this};
    if (access == Access::Read) {
        const ReadTransaction transaction(db_);
        if (Status begun = transaction.Begun(); !begun) {
            return begun;
        }
        if (transaction.Layout() != kSchemaVersion) {
            return LayoutFailure(transaction.Layout());
        }
        return work(db_);
    }
    WriteTransaction transaction(db_);
    if (Status begun = transaction.Begun(); !begun) {
        return begun;
    }
    if (transaction.Layout() != kSchemaVersion) {
        return LayoutFailure(transaction.Layout());
    }
    writing_ = true;
    if (Status done = work(db_); !done) {
        return done;
    }
    // What the unit changed is found from the moment it commits.
    if (const int rc = FlushFindQueue(db_); rc != SQLITE_OK) {
        return LastFailure(db_, rc);
    }
    return transaction.Commit();
}

bool Archive::Read(const Operation& operation, std::string& error) {
    const Status status = Run(Access::Read, [&](Database& db) -> Status {
        if (!operation(db, error)) {
            return OperationFailure(db, error);
        }
        return Done{};
    });
    if (!status && (error.empty() || (status.Error().code != ErrorCode::NoSuchItem &&
                                      status.Error().code != ErrorCode::Refused))) {
        error = status.Error().Text();
    }
    return status.Ok();
}

bool Archive::Write(const Operation& operation, std::string& error) {
    const Status status = Run(Access::Write, [&](Database& db) -> Status {
        if (!operation(db, error)) {
            return OperationFailure(db, error);
        }
        return Done{};
    });
    if (!status && (error.empty() || (status.Error().code != ErrorCode::NoSuchItem &&
                                      status.Error().code != ErrorCode::Refused))) {
        error = status.Error().Text();
    }
    return status.Ok();
}

}  // namespace terrovane::archive
