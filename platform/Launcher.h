#pragma once

#include <string>
#include <vector>

namespace terrovane::platform {

// Starts a program detached, without a shell and without waiting: first from the running program's own
// folder, then from the PATH. False when it was found nowhere or could not be started; `problem`, when
// given, then says which and why, in words for the user. `arguments` go to the program as they stand.
bool StartProgramDetached(const std::string& programName, std::string* problem = nullptr,
                          const std::vector<std::string>& arguments = {});

// Where StartProgramDetached would start the program from; empty when it is found nowhere.
std::string FindProgram(const std::string& programName);

}  // namespace terrovane::platform
