// A row of another tester's file read as a typed result.
#include "RowReading.h"

#include "DecimalMark.h"
#include "ImportProblems.h"
#include "Numbers.h"
#include "Problems.h"
#include "TypedMethods.h"

namespace terrovane::imports {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The digits at `at` (at least `least`, at most `most`) as a number; false when there are too few.
bool Digits(std::string_view text, std::size_t& at, std::size_t least, std::size_t most, int& value) {
    std::size_t end = at;
    while (end < text.size() && end - at < most && text[end] >= '0' && text[end] <= '9') {
        ++end;
    }
    if (end - at < least) {
        return false;
    }
    value = *numbers::ParseInteger<int>(text.substr(at, end - at));
    at = end;
    return true;
}

bool LeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : kDays[month - 1];
}

std::string Padded2(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

struct DateToken {
    const char* pattern;
    std::size_t least;
    std::size_t most;
    int part;  // 0 year, 1 month, 2 day, 3 hour, 4 minute, 5 second, 6 two-digit year
};

constexpr DateToken kTokens[] = {{"yyyy", 4, 4, 0}, {"yy", 2, 2, 6}, {"MM", 2, 2, 1}, {"M", 1, 2, 1},
                                 {"dd", 2, 2, 2},   {"d", 1, 2, 2},  {"HH", 2, 2, 3}, {"H", 1, 2, 3},
                                 {"mm", 2, 2, 4},   {"ss", 2, 2, 5}};

Cell CellAt(const SourceRow& row, int column) {
    return column >= 0 && static_cast<std::size_t>(column) < row.cells.size()
               ? row.cells[static_cast<std::size_t>(column)]
               : Cell{};
}

std::string TextOf(const SourceRow& row, const TextSource& source, int column) {
    return source.column ? std::string(Trimmed(CellAt(row, column).text)) : source.fixed;
}

// The measuring minute from the date column and the time column, when there is one.
std::string MeasuredOf(const SourceRow& row, const Mapping& mapping, const ColumnIndex& columns,
                       std::string& problem) {
    const Cell date = CellAt(row, columns.date);
    const std::string_view dateText = Trimmed(date.text);
    const std::optional<std::string> day =
        ReadDate(dateText, date.kind == CellKind::DateTime ? "yyyy-MM-dd HH:mm:ss" : mapping.dateFormat);
    if (!day) {
        problem = archive::Problem(kDateNotInFormat, {std::string(dateText), mapping.dateFormat});
        return {};
    }
    if (columns.time < 0) {
        return *day;
    }
    const Cell time = CellAt(row, columns.time);
    const std::string_view timeText = Trimmed(time.text);
    // A workbook keeps a time alone as a fraction of a day, which it shows on the day the count starts.
    const std::optional<std::string> clock =
        time.kind == CellKind::DateTime ? ReadDate(timeText, "yyyy-MM-dd HH:mm:ss")
                                        : ReadDate(std::string("2000-01-01 ") + std::string(timeText),
                                                   "yyyy-MM-dd " + mapping.timeFormat);
    if (!clock) {
        problem = archive::Problem(kDateNotInFormat, {std::string(timeText), mapping.timeFormat});
        return {};
    }
    return day->substr(0, 11) + clock->substr(11);
}

// A method's code however a file capitalises it ("Fall-of-Potential"); the text as it is when it names none,
// so the refusal quotes it.
std::string MethodCode(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    for (const archive::TypedMethod& method : archive::TypedMethods()) {
        if (lower == method.code) {
            return method.code;
        }
    }
    return text;
}

}  // namespace

std::optional<std::string> ReadDate(std::string_view text, std::string_view format) {
    int parts[7] = {-1, 1, 1, 0, 0, 0, -1};
    std::size_t at = 0;
    for (std::size_t f = 0; f < format.size();) {
        const DateToken* token = nullptr;
        for (const DateToken& candidate : kTokens) {
            if (format.substr(f).rfind(candidate.pattern, 0) == 0) {
                token = &candidate;
                break;
            }
        }
        if (token == nullptr) {
            if (at >= text.size() || text[at] != format[f]) {
                return std::nullopt;
            }
            ++at;
            ++f;
            continue;
        }
        if (!Digits(text, at, token->least, token->most, parts[token->part])) {
            return std::nullopt;
        }
        f += std::string_view(token->pattern).size();
    }
    int year = parts[0] >= 0 ? parts[0] : parts[6] >= 0 ? 2000 + parts[6] : -1;
    const int month = parts[1];
    const int day = parts[2];
    if (at != text.size() || year < 1900 || month < 1 || month > 12 || day < 1 || day > DaysIn(year, month) ||
        parts[3] > 23 || parts[4] > 59 || parts[5] > 59) {
        return std::nullopt;
    }
    return std::to_string(year) + "-" + Padded2(month) + "-" + Padded2(day) + " " + Padded2(parts[3]) + ":" +
           Padded2(parts[4]);
}

archive::TypedValueParse ReadValueCell(const Cell& cell, const std::string& name, const std::string& unit,
                                       const std::string& overRangeMark, bool decimalComma) {
    std::string_view text = Trimmed(cell.text);
    if (text.empty()) {
        return {};
    }
    const bool overRange = text.rfind(overRangeMark, 0) == 0;
    if (overRange) {
        text = Trimmed(text.substr(overRangeMark.size()));
        if (text.empty() || text.find_first_of("0123456789") == std::string_view::npos) {
            return {std::nullopt,
                    archive::Problem(kOverRangeWithoutBound, {name, std::string(Trimmed(cell.text))})};
        }
    }
    // The number runs up to the first character no number of this file has; the rest is its unit.
    std::size_t end = 0;
    while (end < text.size() &&
           std::string_view("0123456789+-.,eE").find(text[end]) != std::string_view::npos) {
        const bool exponent = text[end] == 'e' || text[end] == 'E';
        if (exponent && (end + 1 >= text.size() ||
                         std::string_view("0123456789+-").find(text[end + 1]) == std::string_view::npos)) {
            break;
        }
        ++end;
    }
    const std::string_view ownUnit = Trimmed(text.substr(end));
    const std::optional<double> number =
        FileNumber(text.substr(0, end), decimalComma && cell.kind != CellKind::Number);
    if (!number) {
        return {std::nullopt,
                archive::Problem(archive::kValueNotANumber, {name, std::string(Trimmed(cell.text))})};
    }
    return archive::TypedValueOf(name, *number, ownUnit.empty() ? std::string_view(unit) : ownUnit,
                                 overRange);
}

RowReading ReadRow(const SourceRow& row, const Mapping& mapping, const ColumnIndex& columns,
                   bool decimalComma) {
    RowReading reading;
    const auto needed = [&](int column) {
        if (static_cast<std::size_t>(column) >= row.cells.size()) {
            reading.problem = archive::Problem(kRowShort, {std::to_string(column + 1)});
            return false;
        }
        if (Trimmed(row.cells[static_cast<std::size_t>(column)].text).empty()) {
            reading.problem = archive::Problem(kCellEmpty, {std::to_string(column + 1)});
            return false;
        }
        return true;
    };
    if (!needed(columns.date) || (columns.time >= 0 && !needed(columns.time)) || !needed(columns.point) ||
        (columns.site >= 0 && !needed(columns.site)) || (columns.method >= 0 && !needed(columns.method))) {
        return reading;
    }
    reading.fields.measured = MeasuredOf(row, mapping, columns, reading.problem);
    if (!reading.problem.empty()) {
        return reading;
    }
    const std::string place(Trimmed(row.cells[static_cast<std::size_t>(columns.point)].text));
    if (columns.site >= 0) {
        reading.site = Trimmed(row.cells[static_cast<std::size_t>(columns.site)].text);
        reading.point = place;
    } else {
        const auto slash = place.rfind('/');
        if (slash == std::string::npos || slash == 0 || slash + 1 == place.size()) {
            reading.problem = archive::Problem(kPointNotSitePoint, {place});
            return reading;
        }
        reading.site = Trimmed(std::string_view(place).substr(0, slash));
        reading.point = Trimmed(std::string_view(place).substr(slash + 1));
    }
    reading.fields.method = TextOf(row, mapping.method, columns.method);
    if (const auto named = mapping.methodNames.find(reading.fields.method);
        named != mapping.methodNames.end()) {
        reading.fields.method = named->second;
    } else {
        reading.fields.method = MethodCode(reading.fields.method);
    }
    for (std::size_t i = 0; i < mapping.values.size(); ++i) {
        const ValueColumn& column = mapping.values[i];
        const archive::TypedValueParse value = ReadValueCell(
            CellAt(row, columns.values[i]), column.name, column.unit, mapping.overRangeMark, decimalComma);
        if (!value.problem.empty()) {
            reading.problem = value.problem;
            return reading;
        }
        if (value.value) {
            reading.fields.values.push_back(*value.value);
        }
    }
    reading.fields.instrument = TextOf(row, mapping.instrument, columns.instrument);
    reading.fields.measuredBy = TextOf(row, mapping.measuredBy, columns.measuredBy);
    reading.fields.note = TextOf(row, mapping.note, columns.note);
    return reading;
}

}  // namespace terrovane::imports
