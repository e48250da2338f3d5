#pragma once

#include <optional>
#include <string>
#include <vector>

namespace terrovane::platform {

// --help (-h) and --version of a program, answered on standard output before anything else starts (so they
// work without a display, and the manual page is made from the same usage text). The exit status when one
// was asked for.
std::optional<int> AnswerInformationOptions(const std::vector<std::string>& arguments, const char* program,
                                            const char* usage);
std::optional<int> AnswerInformationOptions(int argc, char** argv, const char* program, const char* usage);

}  // namespace terrovane::platform
