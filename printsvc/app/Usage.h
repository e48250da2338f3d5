#pragma once

#include <optional>

namespace terrovane::printsvc {

// --help and --version, answered on standard output before any window exists; the exit status when one
// was given. The manual page is made from the same text.
std::optional<int> AnswerInformationOptions(int argc, char** argv);

}  // namespace terrovane::printsvc
