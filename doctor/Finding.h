#pragma once

#include <string>
#include <vector>

namespace terrovane::doctor {

enum class Mark { Ok, Warn, Fail, Info };

// What one check found: its mark, what it saw and, when something is wrong, what the user can do.
struct Finding {
    Mark mark = Mark::Info;
    std::string check;  // short name: "driver", "bridge", "brltty", ...
    std::string text;
    std::string fix;  // empty when there is nothing to do
};

using Findings = std::vector<Finding>;

// "[ OK ]", "[WARN]", "[FAIL]", "[ -- ]".
const char* MarkText(Mark mark);

// One line per finding, "[FAIL] brltty: ...", its fix on an indented line below.
std::string FormatFindings(const Findings& findings);

}  // namespace terrovane::doctor
