#pragma once

#include <string>
#include <vector>

#include "Problems.h"
#include "Result.h"

namespace terrovane::imports {

// A refusal whose text is one of the fixed problems filled with its arguments, as the archive's are.
inline archive::Failure ImportRefusal(const char* text, const std::vector<std::string>& arguments = {}) {
    archive::Failure failure;
    failure.code = archive::ErrorCode::Refused;
    failure.sqliteMessage = archive::Problem(text, arguments);
    failure.arguments = {failure.sqliteMessage};
    return failure;
}

}  // namespace terrovane::imports
