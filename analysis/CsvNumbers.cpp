#include "CsvNumbers.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

namespace terrovane::analysis {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

bool ParseNumber(const std::string& text, double& value) {
    const std::string trimmed = Trimmed(text);
    if (trimmed.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtod(trimmed.c_str(), &end);
    return end == trimmed.c_str() + trimmed.size() && errno != ERANGE;
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
