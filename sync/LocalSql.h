#pragma once

#include <cstdint>
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

// Runs one statement with its values and returns its rows as text.
std::vector<SqlRow> Rows(archive::Database& db, std::string_view sql,
                         const std::vector<SqlValue>& values = {});
// The first column of the first row; nullopt when there is none or it is NULL.
std::optional<std::string> Single(archive::Database& db, std::string_view sql,
                                  const std::vector<SqlValue>& values = {});
// Runs one statement for its effect; returns the rows it changed.
int Exec(archive::Database& db, std::string_view sql, const std::vector<SqlValue>& values = {});

}  // namespace terrovane::sync
