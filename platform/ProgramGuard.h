#pragma once

#include <functional>

namespace terrovane::platform {

// Runs a program's main body so that no exception ends it unexplained: one that leaves the body, or that
// escapes anywhere else (a slot, a destructor, another thread) and would terminate the program, is
// reported as "<program>: internal error: <what>" on standard error and the program exits with 1.
// SIGXFSZ is ignored from here on, so a write past the file-size limit fails with EFBIG, which the
// writers report, instead of killing the program.
int RunGuarded(const char* program, const std::function<int()>& body);

}  // namespace terrovane::platform
