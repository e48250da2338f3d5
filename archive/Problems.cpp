#include "Problems.h"

#include <regex>

#include "MessageBox.h"

namespace terrovane::archive {
namespace {

// The text as a pattern: its own characters literally, each %N a group that takes what filled it.
std::regex PatternOf(const std::string& text) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    const std::string escaped = std::regex_replace(text, special, R"(\$&)");
    return std::regex(std::regex_replace(escaped, std::regex("%[1-9]"), "(.*)"));
}

}  // namespace

const std::vector<const char*>& ProblemTexts() {
    static const std::vector<const char*> texts = {
        kSiteNeedsName,   kPositionNeedsBoth, kPositionOutOfRange, kLimitNotPositive, kIntervalOutOfRange,
        kSiteNameTaken,   kNoSiteNamed,       kPointNeedsName,     kPointNameTaken,   kPointNameTakenThere,
        kNoPointNamed,    kTooFewPoints,      kLimitNotUnderstood, kLimitSourceEmpty, kNoSite,
        kNoPoint,         kNoResult,          kNoReadOut,          kNoSoilModel,      kNoFopCurve,
        kNoGridAssessment};
    return texts;
}

std::string Problem(const char* text, const std::vector<std::string>& arguments) {
    return platform::FillArguments(text, arguments);
}

bool ParseProblem(const std::string& error, StatedProblem& problem) {
    for (const char* text : ProblemTexts()) {
        std::smatch match;
        if (std::regex_match(error, match, PatternOf(text))) {
            problem.text = text;
            problem.arguments.assign(match.begin() + 1, match.end());
            return true;
        }
    }
    return false;
}

}  // namespace terrovane::archive
