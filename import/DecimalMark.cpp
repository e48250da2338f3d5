#include "DecimalMark.h"

#include <cmath>
#include <string>

#include "Numbers.h"

namespace terrovane::imports {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The mark between the digits of a cell that holds one number with a fraction ("4,2", ">1.5 kΩ"), 0 for
// any other cell: a date's "01.03.2024" has digits after its fraction, so it says nothing.
char DecimalMarkIn(std::string_view text) {
    std::size_t i = text.find_first_of("0123456789");
    if (i == std::string_view::npos) {
        return 0;
    }
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    if (i + 1 >= text.size() || (text[i] != ',' && text[i] != '.') || !IsDigit(text[i + 1])) {
        return 0;
    }
    const char mark = text[i];
    for (++i; i < text.size() && IsDigit(text[i]); ++i) {
    }
    return text.find_first_of("0123456789", i) == std::string_view::npos ? mark : 0;
}

}  // namespace

bool WritesDecimalComma(const SourceTable& table) {
    int commas = 0;
    for (const SourceRow& row : table.rows) {
        for (const Cell& cell : row.cells) {
            if (cell.kind != CellKind::Text) {
                continue;
            }
            const char mark = DecimalMarkIn(cell.text);
            if (mark == '.') {
                return false;
            }
            commas += mark == ',' ? 1 : 0;
        }
    }
    return commas > 0;
}

std::optional<double> FileNumber(std::string_view text, bool decimalComma) {
    std::string number(text);
    if (decimalComma) {
        if (number.find('.') != std::string::npos) {
            return std::nullopt;
        }
        if (const auto comma = number.find(','); comma != std::string::npos) {
            number[comma] = '.';
        }
    }
    const std::optional<double> parsed = numbers::ParseDecimal(number);
    if (!parsed || !std::isfinite(*parsed)) {
        return std::nullopt;
    }
    return parsed;
}

}  // namespace terrovane::imports
