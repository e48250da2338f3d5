#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>

#include "Archive.h"
#include "SiteTypes.h"

namespace terrovane::archive {

using Operation = Archive::Operation;

// Runs the operation in one write transaction: committed when it returns true, rolled back otherwise.
[[nodiscard]] bool InTransaction(Archive& archive, const Operation& operation, std::string& error);
// Runs the statement to its end; false with `error` set on failure.
[[nodiscard]] bool StepDone(Database& db, Statement& statement, std::string& error);
[[nodiscard]] bool Prepared(Database& db, Statement& statement, const std::string& sql, std::string& error);
// Whether the statement just run changed a row; otherwise `error` is the problem `missing` (kNoSite, ...)
// of `id`.
[[nodiscard]] bool Changed(Database& db, const char* missing, std::int64_t id, std::string& error);
// Hands each row of the prepared statement to `row` until it returns false; false with `error` set when a
// step fails or `row` does.
[[nodiscard]] bool EachRow(Database& db, Statement& statement,
                           const std::function<bool(const Statement&)>& row, std::string& error);
// Deletes the row `id` with `sql` (one parameter) in a unit of work of its own; an id that names no row is
// missing as `missing` says (kNoSoilModel, ...).
Status DeleteById(Archive& archive, const std::string& sql, std::int64_t id, const char* missing);

void BindOptional(Statement& statement, int index, const std::optional<double>& value);
void BindOptional(Statement& statement, int index, const std::optional<int>& value);
std::optional<double> OptionalReal(const Statement& statement, int column);
std::optional<int> OptionalInt(const Statement& statement, int column);
// A limit from its two columns; unset when the value is null.
std::optional<Limit> LimitAt(const Statement& statement, int ohmsColumn);

std::string TrimmedName(const std::string& text);

// Sets each point's newest measuring date from its results again.
[[nodiscard]] bool RefreshLastMeasured(Database& db, const std::set<std::int64_t>& points,
                                       std::string& error);

}  // namespace terrovane::archive
