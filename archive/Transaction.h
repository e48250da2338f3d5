#pragma once

#include <optional>
#include <string>

#include "Result.h"
#include "Sqlite.h"

namespace terrovane::archive {

// The two units of work on the archive; nothing else begins, commits or rolls back.

// One snapshot for every statement until the object goes: later commits of other programs stay unseen,
// and no write lock is ever taken, so a reader never holds up a writer nor waits for one.
class ReadTransaction {
  public:
    explicit ReadTransaction(Database& db);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

    // Whether the snapshot was taken; the failure otherwise.
    Status Begun() const;
    // The layout the file had when the snapshot was taken.
    int Layout() const { return layout_; }

  private:
    Database& db_;
    std::optional<Failure> failure_;
    int layout_ = 0;
};

// The write lock from the start (BEGIN IMMEDIATE), so two writers never deadlock upgrading a read; rolled
// back when the object goes without Commit.
class WriteTransaction {
  public:
    explicit WriteTransaction(Database& db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    Status Begun() const;
    int Layout() const { return layout_; }
    Status Commit();

  private:
    Database& db_;
    std::optional<Failure> failure_;
    int layout_ = 0;
    bool open_ = false;
};

// The failure of the last call on `db`, from its result code and message.
Failure LastFailure(Database& db, int rc);
// A false and its text from an older call: the connection's failure when SQLite failed, else the call's
// own words (there is no such item, a name is taken).
Failure OperationFailure(Database& db, const std::string& error);
// The failure of an older call that says it only as a text, where nothing but the library itself can
// have failed: a read of every site or point in the unit of work.
Failure LibraryFailure(const std::string& text);

}  // namespace terrovane::archive
