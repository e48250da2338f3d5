#pragma once

#include <string>
#include <vector>

namespace terrovane::imports {

// How a workbook typed a cell; a CSV file knows only text.
enum class CellKind { Text, Number, DateTime };

// One cell: a number as its shortest decimal with a point, a date and time as "YYYY-MM-DD HH:MM:SS".
struct Cell {
    std::string text;
    CellKind kind = CellKind::Text;
};

struct SourceRow {
    int line = 0;  // where the row starts in the file (its line, or its row number in a sheet)
    std::vector<Cell> cells;
};

// The rows of a file or a sheet as they stand, before any mapping.
struct SourceTable {
    std::vector<SourceRow> rows;
    char separator = 0;         // the CSV separator found or given; 0 for a workbook
    bool decimalComma = false;  // numbers written as text use a decimal comma
};

// True when every cell of the row is empty or blank.
bool IsBlankRow(const SourceRow& row);

}  // namespace terrovane::imports
