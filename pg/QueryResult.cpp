#include "QueryResult.h"

#include <utility>

namespace terrovane::pg {

std::string QueryResult::Scalar() const {
    if (rows.empty() || rows.front().empty() || !rows.front().front()) {
        return {};
    }
    return *rows.front().front();
}

std::string QueryResult::Explained() const {
    return detail.empty() ? message : message + " (" + detail + ")";
}

QueryResult QueryResult::Failure(ErrorClass error, std::string message) {
    QueryResult result;
    result.error = error;
    result.message = std::move(message);
    return result;
}

}  // namespace terrovane::pg
