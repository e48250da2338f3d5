#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CsvSource.h"
#include "Result.h"
#include "SourceTable.h"

namespace terrovane::imports {

// A column named by its header ("Date") or by its number from 1 (for a file without a header row).
struct ColumnRef {
    std::string header;
    int number = 0;

    bool operator==(const ColumnRef&) const = default;
};

// A text of each result: from a column, else the same text for every row (empty for none).
struct TextSource {
    std::optional<ColumnRef> column;
    std::string fixed;
};

// A column of values of one name; a cell without its own unit is in `unit` (empty: the base unit).
struct ValueColumn {
    std::string name;  // "Re", "rho", ...
    ColumnRef column;
    std::string unit;
};

// Which column of a file of readings holds what, and how the file is written. The JSON form is
// docs/schemas/import-mapping.schema.json.
struct Mapping {
    int headerRow = 1;   // the row of the column names, from 1; 0 for a file without one
    char separator = 0;  // CSV only; 0 to find it
    CsvDialect::Decimal decimal = CsvDialect::Decimal::Find;
    std::string sheet;  // a workbook's sheet; empty for its first
    ColumnRef date;
    std::string dateFormat = "yyyy-MM-dd HH:mm";
    std::optional<ColumnRef> time;  // a separate time column, when the date column has none
    std::string timeFormat = "HH:mm";
    std::optional<ColumnRef> site;  // with it, `point` holds the point's name alone
    ColumnRef point;                // else SITE/POINT
    TextSource method;              // a method code, or a name `methodNames` turns into one
    std::map<std::string, std::string> methodNames;
    std::vector<ValueColumn> values;
    std::string overRangeMark = ">";
    TextSource instrument;
    TextSource measuredBy;
    TextSource note;
};

// The mapping a JSON text describes; a refusal naming the first member that is wrong.
archive::Result<Mapping> MappingFromJson(std::string_view json);
// The JSON text of a mapping, as MappingFromJson reads it back.
std::string MappingJson(const Mapping& mapping);

// The mapping's columns as indices (from 0) into the rows of one table.
struct ColumnIndex {
    int date = -1;
    int time = -1;
    int site = -1;
    int point = -1;
    int method = -1;
    std::vector<int> values;  // in the order of Mapping::values
    int instrument = -1;
    int measuredBy = -1;
    int note = -1;
};

// Looks each column up in the table's header row (or takes its number); a refusal for a column the
// header does not have or a mapping that lacks the date, the point or every value.
archive::Result<ColumnIndex> ResolveColumns(const Mapping& mapping, const SourceTable& table);

// The column's index (from 0) in a table whose header row is `header`; a refusal for a name it lacks.
archive::Result<int> FindColumn(const ColumnRef& column, const std::vector<std::string>& header);

// The cells of the header row as the remembered mappings know a file by; empty without one.
std::vector<std::string> HeaderOf(const Mapping& mapping, const SourceTable& table);

}  // namespace terrovane::imports
