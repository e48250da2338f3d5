#include "Result.h"

#include <sqlite3.h>

#include "MessageBox.h"

namespace terrovane::archive {

std::string Failure::Text() const {
    if (problem != nullptr) {
        return platform::FillArguments(problem, arguments);
    }
    if (!sqliteMessage.empty()) {
        return sqliteMessage;
    }
    std::string text;
    for (const std::string& argument : arguments) {
        text += (text.empty() ? "" : " ") + argument;
    }
    return text;
}

Failure FailureOf(int sqliteCode, std::string message) {
    Failure failure;
    failure.sqliteCode = sqliteCode;
    failure.sqliteMessage = std::move(message);
    switch (sqliteCode & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            failure.code = ErrorCode::Locked;
            break;
        case SQLITE_READONLY:
        case SQLITE_PERM:
            failure.code = ErrorCode::ReadOnly;
            break;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            failure.code = ErrorCode::Damaged;
            break;
        case SQLITE_CANTOPEN:
            failure.code = ErrorCode::CannotOpen;
            break;
        default:
            failure.code = ErrorCode::Failed;
            break;
    }
    return failure;
}

}  // namespace terrovane::archive
