#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Sqlite.h"

namespace terrovane::archive {

// What a stored analysis was computed from leaves out readings (over range, invalid, doubtful); the notes
// saying which and why are kept beside it, one a line, so a report made later can say so too. They live in
// a table of their own per kind of analysis, made when first needed and gone with their analysis, so a
// file that never kept one keeps the layout older programs read.
enum class LeftOutOf { SoilModel, FopCurve };

// The statement that makes the kind's table where it is missing.
const char* LeftOutTableSql(LeftOutOf kind);

// Inside the analysis's own write transaction; nothing is made when there are no notes.
Status InsertLeftOutNotes(Database& db, LeftOutOf kind, std::int64_t id,
                          const std::vector<std::string>& notes);
// The notes in their order (none when none were kept).
Result<std::vector<std::string>> LoadLeftOutNotes(Database& db, LeftOutOf kind, std::int64_t id);

}  // namespace terrovane::archive
