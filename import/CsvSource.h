#pragma once

#include <string>
#include <string_view>

#include "Result.h"
#include "SourceTable.h"

namespace terrovane::imports {

// How a CSV file is written; 0 or nullopt-like values ask for them to be found from the file itself.
struct CsvDialect {
    char separator = 0;  // ',', ';', '\t' or '|'; 0 to find it
    enum class Decimal { Find, Point, Comma } decimal = Decimal::Find;
};

// The separator of the text: of , ; TAB and |, the one found outside quotes on every one of the first
// lines the same number of times (the most often of those), else the most frequent; ',' for a text with
// none of them (one column).
char FindSeparator(std::string_view text);

// The rows of CSV text: UTF-8 with or without its byte-order mark, fields quoted as RFC 4180 writes them
// (a doubled quote inside, separators and line breaks kept), lines ended by LF or CRLF. Bytes that are not
// UTF-8 are kept as U+FFFD. A quote left open at the end refuses the file, naming the line it opened on.
archive::Result<SourceTable> ParseCsv(std::string_view text, const CsvDialect& dialect);

// Reads the file at `path` (a regular file of at most 256 MiB) and parses it.
archive::Result<SourceTable> ReadCsv(const std::string& path, const CsvDialect& dialect);

}  // namespace terrovane::imports
