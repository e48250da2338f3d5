#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ArchiveTypes.h"
#include "Result.h"
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
    [[nodiscard]] bool Results(const ResultFilter& filter, ResultSort sort, int limit, int offset,
                               std::vector<ResultRow>& out, std::string& error);
    [[nodiscard]] std::optional<ResultRow> Result(std::int64_t id, std::string& error);
    // A page of the read-out list, newest first; since, until and labelContains apply to the read-out.
    [[nodiscard]] bool ReadOuts(const ResultFilter& filter, int limit, int offset,
                                std::vector<ReadOutRow>& out, std::string& error);
    // The 7200 bytes exactly as they were read; nullopt when there is no such read-out.
    [[nodiscard]] std::optional<record::ReadOutBuffer> Image(std::int64_t readoutId, std::string& error);

    // Sets the label (blank removes it) and, when given, the note of a result or a read-out. A read-out's
    // label also goes to each of its results that has no label or still bears the read-out's former one.
    // False when there is no such item.
    [[nodiscard]] bool SetLabel(LabelTarget target, std::int64_t id, const std::string& label,
                                const std::optional<std::string>& note, std::string& error);
    // Every label in use, sorted.
    std::vector<std::string> Labels(std::string& error);

    // Runs `work` as one unit of work: in a read transaction (one snapshot, never the write lock) or in a
    // write transaction, committed when `work` succeeds and rolled back otherwise. The outermost unit opens
    // the connection and closes it before returning; a unit inside another joins it (a write inside a read
    // is refused). Every statement on the file runs inside one of these.
    enum class Access { Read, Write };
    using Work = std::function<Status(Database&)>;
    Status Run(Access access, const Work& work);

    // The same for operations that report a failure as false and its text.
    using Operation = std::function<bool(Database&, std::string&)>;
    [[nodiscard]] bool Read(const Operation& operation, std::string& error);
    [[nodiscard]] bool Write(const Operation& operation, std::string& error);

    // The failure of the latest unit of work that failed, for callers that show what to do about it;
    // cleared by every unit that succeeds.
    const std::optional<Failure>& LatestFailure() const { return latestFailure_; }

  private:
    explicit Archive(std::string path) : path_(std::move(path)) {}
    // Opens the file for one unit of work (no migration: only Open and a restart after damage do that).
    Status Connect();
    Status RunOutermost(Access access, const Work& work);
    // Opens the file for good: brought to this program's layout, WAL journal.
    Status Prepare();
    Status Reopen(std::string& movedAside);
    Status StoreOnce(const ReadOutInput& input, StoreOutcome& outcome);
    struct SlotStatements {
        Statement find;
        Statement insert;
        Statement link;
    };
    int PrepareSlotStatements(SlotStatements& statements);
    int StoreSlot(SlotStatements& statements, std::int64_t readoutId, std::size_t slot, const Packet& packet,
                  StoreOutcome& outcome);
    [[nodiscard]] bool ChangeLabel(Database& db, LabelTarget target, std::int64_t id,
                                   const std::string& label, const std::optional<std::string>& note,
                                   std::string& error);
    // The id of the label, added when new; 0 on failure with `rc` set.
    std::int64_t LabelId(const std::string& label, int& rc);
    Status Failed(Failure failure);

    std::string path_;
    Database db_;
    bool writing_ = false;
    std::optional<Failure> latestFailure_;
};

// The PC's time now as ISO 8601 with its zone offset, e.g. 2024-05-17T09:30:05+02:00.
std::string NowIso8601();

// True for the result codes of a file SQLite cannot read as a database.
bool IsDamageCode(int rc);

}  // namespace terrovane::archive
