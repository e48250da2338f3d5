#include "Finding.h"

namespace terrovane::doctor {

const char* MarkText(Mark mark) {
    switch (mark) {
        case Mark::Ok:
            return "[ OK ]";
        case Mark::Warn:
            return "[WARN]";
        case Mark::Fail:
            return "[FAIL]";
        case Mark::Info:
            break;
    }
    return "[ -- ]";
}

std::string FormatFindings(const Findings& findings) {
    std::string text;
    for (const Finding& finding : findings) {
        text += std::string(MarkText(finding.mark)) + " " + finding.check + ": " + finding.text + "\n";
        if (!finding.fix.empty())
            text += "       fix: " + finding.fix + "\n";
    }
    return text;
}

}  // namespace terrovane::doctor
