#pragma once

#include <optional>
#include <string>
#include <vector>

namespace terrovane::sim {

// --help and --version, answered on standard output; the exit status when one was asked for. The manual
// page is made from the same text.
std::optional<int> AnswerInformationOptions(const std::vector<std::string>& arguments);

}  // namespace terrovane::sim
