// CSV as spreadsheets and other testers' programs write it: whatever the separator and the decimal mark.
#include "CsvSource.h"

#include <array>
#include <map>

#include "DecimalMark.h"
#include "ImportFailure.h"
#include "ImportProblems.h"
#include "RegularFile.h"
#include "Utf8Text.h"

namespace terrovane::imports {
namespace {

constexpr std::array<char, 4> kSeparators = {',', ';', '\t', '|'};
constexpr std::size_t kMostBytes = 256u << 20;
// Enough lines to see a pattern; a header and a few readings say it.
constexpr int kLinesLooked = 20;

std::string_view WithoutBom(std::string_view text) {
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    return text;
}

// How often each separator stands outside quotes on each of the first lines.
std::vector<std::map<char, int>> SeparatorCounts(std::string_view text) {
    std::vector<std::map<char, int>> lines(1);
    bool quoted = false;
    for (std::size_t i = 0; i < text.size() && static_cast<int>(lines.size()) <= kLinesLooked; ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '\n') {
            lines.emplace_back();
        } else if (!quoted) {
            for (char separator : kSeparators) {
                lines.back()[separator] += c == separator ? 1 : 0;
            }
        }
    }
    // Blank lines say nothing about the separator.
    std::erase_if(lines, [](const std::map<char, int>& line) { return line.empty(); });
    return lines;
}

}  // namespace

char FindSeparator(std::string_view text) {
    const std::vector<std::map<char, int>> lines = SeparatorCounts(WithoutBom(text));
    char steady = 0;
    int steadyCount = 0;
    char frequent = ',';
    int frequentTotal = 0;
    for (char separator : kSeparators) {
        int total = 0;
        bool same = !lines.empty();
        for (const auto& line : lines) {
            const int count = line.at(separator);
            total += count;
            same = same && count == lines.front().at(separator);
        }
        const int first = lines.empty() ? 0 : lines.front().at(separator);
        if (same && first > steadyCount) {
            steady = separator;
            steadyCount = first;
        }
        if (total > frequentTotal) {
            frequent = separator;
            frequentTotal = total;
        }
    }
    return steady != 0 ? steady : frequent;
}

archive::Result<SourceTable> ParseCsv(std::string_view text, const CsvDialect& dialect) {
    text = WithoutBom(text);
    SourceTable table;
    table.separator = dialect.separator != 0 ? dialect.separator : FindSeparator(text);
    int line = 1;
    int quoteLine = 0;
    bool quoted = false;
    bool fieldStarted = false;
    std::string field;
    SourceRow row{line, {}};
    const auto endField = [&] {
        row.cells.push_back({archive::ValidUtf8(field), CellKind::Text});
        field.clear();
        fieldStarted = false;
    };
    const auto endRow = [&] {
        endField();
        table.rows.push_back(std::move(row));
        row = SourceRow{line, {}};
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n' ? 1 : 0;
                field += c;
            }
        } else if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
            quoteLine = line;
        } else if (c == table.separator) {
            endField();
        } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            i += c == '\r' ? 1 : 0;
            ++line;
            endRow();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        return ImportRefusal(kQuoteOpen, {std::to_string(quoteLine)});
    }
    if (fieldStarted || !row.cells.empty()) {
        endRow();
    }
    switch (dialect.decimal) {
        case CsvDialect::Decimal::Point:
            break;
        case CsvDialect::Decimal::Comma:
            table.decimalComma = true;
            break;
        case CsvDialect::Decimal::Find:
            table.decimalComma = table.separator != ',' && WritesDecimalComma(table);
            break;
    }
    return table;
}

archive::Result<SourceTable> ReadCsv(const std::string& path, const CsvDialect& dialect) {
    const platform::FileContent file =
        platform::ReadRegularFile(path, kMostBytes + 1, platform::Links::Follow);
    if (file.status != platform::FileStatus::Read) {
        return ImportRefusal(kFileUnreadable, {file.error});
    }
    if (file.bytes.size() > kMostBytes) {
        return ImportRefusal(kFileTooLarge, {std::to_string(kMostBytes >> 20)});
    }
    return ParseCsv(file.bytes, dialect);
}

}  // namespace terrovane::imports
