#pragma once

#include <optional>

namespace terrovane::app {

// --help and --version, answered on standard output before any window exists (so they work without a
// display, and the manual page is made from the same text). The exit status when one was given.
std::optional<int> AnswerInformationOptions(int argc, char** argv);

}  // namespace terrovane::app
