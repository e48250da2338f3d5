#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Sqlite.h"

namespace terrovane::sync {

// A value bound to a statement on the archive: text, a whole number, bytes, or NULL.
using SqlValue = std::variant<std::monostate, std::string, std::int64_t, std::vector<std::uint8_t>>;
using SqlRow = std::vector<std::optional<std::string>>;  // columns as text; nullopt is NULL

// A statement on the archive that failed; caught where the unit of work ends and turned into its failure.
class LocalFailure : public std::runtime_error {
  public:
    LocalFailure(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    int Code() const { return code_; }

  private:
    int code_;
};

// A whole number written in the text, else `fallback` (what a server or a file says is never trusted to
// be one).
std::int64_t WholeNumber(const std::optional<std::string>& text, std::int64_t fallback);

// While one lives, the statements run through the functions below on its archive are prepared once and
// kept, ready for the next run: a batch of a first sync runs the same few statements for each of thousands
// of read-outs. They are finalized with it. One at a time per thread; a second one leaves the first in
// charge.
class PreparedOnce {
  public:
    explicit PreparedOnce(archive::Database& db);
    ~PreparedOnce();
    PreparedOnce(const PreparedOnce&) = delete;
    PreparedOnce& operator=(const PreparedOnce&) = delete;

    // The kept statement of this text on `db`, prepared now when it is new; nullptr when none is in
    // charge of `db` on this thread.
    static archive::Statement* Kept(archive::Database& db, std::string_view sql);

  private:
    archive::Database& db_;
    bool inCharge_ = false;
    std::map<std::string, archive::Statement, std::less<>> statements_;
};

// A statement with its values bound: the kept one while a PreparedOnce is in charge (made ready for the
// next run when this object ends, however it ends), else one of its own.
class Bound {
  public:
    Bound(archive::Database& db, std::string_view sql, const std::vector<SqlValue>& values);
    ~Bound();
    Bound(const Bound&) = delete;
    Bound& operator=(const Bound&) = delete;

    archive::Statement& operator*() { return kept_ != nullptr ? *kept_ : own_; }
    archive::Statement* operator->() { return &**this; }

  private:
    void BindValue(int index, const SqlValue& value);

    archive::Statement* kept_;
    archive::Statement own_;
};

// Runs one statement with its values and returns its rows as text.
std::vector<SqlRow> Rows(archive::Database& db, std::string_view sql,
                         const std::vector<SqlValue>& values = {});
// The first column of the first row; nullopt when there is none or it is NULL.
std::optional<std::string> Single(archive::Database& db, std::string_view sql,
                                  const std::vector<SqlValue>& values = {});
// Runs one statement for its effect; returns the rows it changed.
int Exec(archive::Database& db, std::string_view sql, const std::vector<SqlValue>& values = {});

}  // namespace terrovane::sync
