#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Result.h"
#include "Sqlite.h"

namespace terrovane::archive {

// When, with what and by whom a series of readings typed by hand (a traverse, a sounding) was measured,
// and who typed it, as a typed result carries it.
struct TypedTaking {
    std::string measured;    // "YYYY-MM-DD HH:MM", local time as the instrument keeps it
    std::string instrument;  // make, model, serial: as typed
    std::string measuredBy;
    std::string note;
    std::string typedBy;
};

// Empty when the taking can be stored: a measuring minute that exists and is not after `now`, texts not too
// long. Otherwise what is wrong (a text of Problems.h with its arguments filled).
[[nodiscard]] std::optional<Failure> TypedTakingProblem(const TypedTaking& taking, const std::string& now);

// Empty when the readings (distance or spacing, value) are `least` to `most`, each pair finite numbers
// above 0 and no distance twice; otherwise what is wrong, `tooShort` when there are too few.
[[nodiscard]] std::optional<Failure> TypedReadingsProblem(
    const std::vector<std::pair<double, double>>& readings, std::size_t least, std::size_t most,
    const char* tooShort);

// Binds measured_date, measured_time, instrument, measured_by, note, typed_by and typed_at to the seven
// parameters from `first` on.
void BindTaking(Statement& statement, int first, const TypedTaking& taking, const std::string& typedAt);
// Reads the same seven columns from `first` on; the typing moment into `typedAt`.
TypedTaking TakingAt(const Statement& row, int first, std::string& typedAt);

}  // namespace terrovane::archive
