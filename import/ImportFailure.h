#pragma once

#include <string>
#include <utility>
#include <vector>

#include "Problems.h"
#include "Result.h"

namespace terrovane::imports {

// A refusal said with one of the import's fixed problems and its arguments, as the archive's are.
inline archive::Failure ImportRefusal(const char* text, std::vector<std::string> arguments = {}) {
    archive::Failure failure = archive::Refused(text, std::move(arguments));
    failure.problemContext = "ImportProblems";
    return failure;
}

}  // namespace terrovane::imports
