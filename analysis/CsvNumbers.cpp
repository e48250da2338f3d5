#include "CsvNumbers.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <sstream>

#include "Numbers.h"

namespace terrovane::analysis {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// "nan", "inf" and "infinity" in any case and with a sign: read as such, so the caller names them.
bool ParseNonFinite(std::string text, double& value) {
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        text.erase(0, 1);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    if (text == "nan")
        value = std::numeric_limits<double>::quiet_NaN();
    else if (text == "inf" || text == "infinity")
        value = negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    else
        return false;
    return true;
}

}  // namespace

bool ParseNumber(const std::string& text, double& value) {
    const std::string trimmed = Trimmed(text);
    const auto number = numbers::ParseDecimal(trimmed);
    if (!number)
        return ParseNonFinite(trimmed, value);
    value = *number;
    return true;
}

bool ParseTwoColumnCsv(const std::string& text, const std::string& header,
                       std::vector<std::pair<double, double>>& rows, std::string& error) {
    std::istringstream in(text);
    std::string line;
    bool headerSeen = false;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string trimmed = Trimmed(line);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        const std::string where = "line " + std::to_string(number) + ": ";
        if (!headerSeen) {
            if (trimmed != header) {
                error = where + "the header \"" + header + "\" expected";
                return false;
            }
            headerSeen = true;
            continue;
        }
        const auto comma = trimmed.find(',');
        if (comma == std::string::npos || trimmed.find(',', comma + 1) != std::string::npos) {
            error = where + "two values separated by a comma expected";
            return false;
        }
        std::pair<double, double> row;
        if (!ParseNumber(trimmed.substr(0, comma), row.first) ||
            !ParseNumber(trimmed.substr(comma + 1), row.second)) {
            error = where + "\"" + trimmed + "\" is not two numbers";
            return false;
        }
        rows.push_back(row);
    }
    if (!headerSeen) {
        error = "no header \"" + header + "\" and no readings";
        return false;
    }
    return true;
}

}  // namespace terrovane::analysis
