#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ArchiveTypes.h"
#include "Sqlite.h"

namespace terrovane::archive {

// The archive file: every accepted read-out with its image, each distinct result once, labels and notes.
// Several programs may use the same file at once (WAL journal). An object holds no connection while idle:
// each operation opens its own and closes it before returning. SQLite's locks are POSIX record locks, which
// belong to the process and vanish when the process closes any descriptor on the file (a file dialog
// looking into the folder does); a lock that is not held cannot be lost, and another program that finds
// the file unused may then checkpoint and remove the journal without taking writes with it.
class Archive {
  public:
    // Opens or creates the file at `path` and brings its layout up to date. A file SQLite finds damaged
    // (or that is no database at all) is moved aside with a timestamped name, and a new one is started;
    // `movedAside` then names it. nullptr with `error` set when the archive cannot be used.
    static std::unique_ptr<Archive> Open(const std::string& path, std::string& error,
                                         std::string* movedAside = nullptr);

    const std::string& Path() const { return path_; }

    // Stores a read-out in one transaction: the read-out with its image, every occupied slot linked to its
    // result, results not held yet added with their decoded fields. When the file turns out to be damaged
    // it is moved aside and the read-out stored in a new one.
    StoreOutcome Store(const ReadOutInput& input);

    // A page of the result list.
    bool Results(const ResultFilter& filter, ResultSort sort, int limit, int offset,
                 std::vector<ResultRow>& out, std::string& error);
    std::optional<ResultRow> Result(std::int64_t id, std::string& error);
    // A page of the read-out list, newest first; since, until and labelContains apply to the read-out.
    bool ReadOuts(const ResultFilter& filter, int limit, int offset, std::vector<ReadOutRow>& out,
                  std::string& error);
    // The 7200 bytes exactly as they were read; nullopt when there is no such read-out.
    std::optional<record::ReadOutBuffer> Image(std::int64_t readoutId, std::string& error);

    // Sets the label (blank removes it) and, when given, the note of a result or a read-out. A read-out's
    // label also goes to each of its results that has no label or still bears the read-out's former one.
    // False when there is no such item.
    bool SetLabel(LabelTarget target, std::int64_t id, const std::string& label,
                  const std::optional<std::string>& note, std::string& error);
    // Every label in use, sorted.
    std::vector<std::string> Labels(std::string& error);

  private:
    // The connection of one operation: opened unless an enclosing operation holds one, closed by whoever
    // opened it.
    class Connection {
      public:
        explicit Connection(Archive& archive)
            : archive_(archive), opened_(!archive.db_.IsOpen()), rc_(opened_ ? archive.Connect(error_) : 0) {}
        ~Connection() {
            if (opened_) {
                archive_.db_.Close();
            }
        }
        Connection(const Connection&) = delete;
        Connection& operator=(const Connection&) = delete;
        // False with the reason in `error` when the archive could not be opened.
        bool Ready(std::string& error) const {
            if (rc_ != 0) {
                error = error_;
            }
            return rc_ == 0;
        }
        int Code() const { return rc_; }
        const std::string& Error() const { return error_; }

      private:
        Archive& archive_;
        std::string error_;
        bool opened_;
        int rc_;
    };

    explicit Archive(std::string path) : path_(std::move(path)) {}
    int Connect(std::string& error);
    bool Reopen(std::string& error, std::string& movedAside);
    StoreOutcome StoreOnce(const ReadOutInput& input, int& rc);
    struct SlotStatements {
        Statement find;
        Statement insert;
        Statement link;
    };
    int PrepareSlotStatements(SlotStatements& statements);
    int StoreSlot(SlotStatements& statements, std::int64_t readoutId, std::size_t slot, const Packet& packet,
                  StoreOutcome& outcome);
    // The id of the label, added when new; 0 on failure with `rc` set.
    std::int64_t LabelId(const std::string& label, int& rc);

    std::string path_;
    Database db_;
};

// The PC's time now as ISO 8601 with its zone offset, e.g. 2024-05-17T09:30:05+02:00.
std::string NowIso8601();

// True for the result codes of a file SQLite cannot read as a database.
bool IsDamageCode(int rc);

}  // namespace terrovane::archive
