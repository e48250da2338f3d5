#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ImportMapping.h"
#include "TypedResults.h"

namespace terrovane::imports {

// One row of a file as a typed result at a point named by its site and name; `problem` says why the row
// cannot be taken (a text of ImportProblems.h or the archive's Problems.h, filled).
struct RowReading {
    std::string site;
    std::string point;
    archive::TypedResultFields fields;  // the point's id is not known yet
    std::string problem;
};

// The row read by the mapping: date and time by their formats, the point, the method, each value brought
// to its base unit (its cell's own unit, else the column's), an over-range mark with its bound.
RowReading ReadRow(const SourceRow& row, const Mapping& mapping, const ColumnIndex& columns,
                   bool decimalComma);

// A date written by `format` (yyyy, yy, MM, M, dd, d, HH, H, mm, ss; anything else stands for itself) as
// "YYYY-MM-DD HH:MM", of a day that exists; nullopt for a text the format does not describe. A workbook's
// date cell is read as it stores it, whatever the format says.
std::optional<std::string> ReadDate(std::string_view text, std::string_view format);

// A value's cell ("4,2", "12.5 kΩ", ">300k") as the typed value of `name`; `problem` says why not. An
// empty cell gives neither.
archive::TypedValueParse ReadValueCell(const Cell& cell, const std::string& name, const std::string& unit,
                                       const std::string& overRangeMark, bool decimalComma);

}  // namespace terrovane::imports
