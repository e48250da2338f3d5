#pragma once

#include <string>
#include <vector>

namespace terrovane::testing {

// An independent checker written in Python (a reader of the archive, a JSON Schema validator), started once
// per test program with "--serve" and asked again for each check: a test that checks after every step would
// otherwise start an interpreter each time. The request is one line of JSON; the answer is the script's
// lines, or its reason in `error`.
bool AskServedScript(const std::string& script, const std::string& request, std::vector<std::string>& lines,
                     std::string& error);

}  // namespace terrovane::testing
