#pragma once

#include <string>
#include <vector>

namespace terrovane::analysis {

// The rows of a two-column numeric CSV text under its exact header. Blank lines and lines starting with
// '#' are skipped; a '\r' before the line end is allowed. Each row is two numbers in C notation; "nan",
// "inf" and the like are read as such so the caller's own checks can name them. False with `error`
// naming the line on a missing or different header, a wrong column count or a field that is no number.
[[nodiscard]] bool ParseTwoColumnCsv(const std::string& text, const std::string& header,
                                     std::vector<std::pair<double, double>>& rows, std::string& error);

// The number a whole text spells, else false.
bool ParseNumber(const std::string& text, double& value);

}  // namespace terrovane::analysis
