#include "ErrorClass.h"

namespace terrovane::pg {
namespace {

bool HasClass(const std::string& sqlState, const char* prefix) {
    return sqlState.rfind(prefix, 0) == 0;
}

}  // namespace

ErrorClass ClassOfSqlState(const std::string& sqlState) {
    if (sqlState.empty() || sqlState == "00000") {
        return ErrorClass::None;
    }
    // 08: connection exceptions; 57P01..57P03: the server shutting down, crashed or not yet accepting.
    if (HasClass(sqlState, "08") || sqlState == "57P01" || sqlState == "57P02" || sqlState == "57P03") {
        return ErrorClass::ConnectionLost;
    }
    if (sqlState == "40001" || sqlState == "40P01") {
        return ErrorClass::RetryTransaction;
    }
    // 23: integrity constraints; 42501: insufficient privilege, which row-level security raises too.
    if (HasClass(sqlState, "23") || sqlState == "42501") {
        return ErrorClass::Rejected;
    }
    if (HasClass(sqlState, "28")) {
        return ErrorClass::SignInRefused;
    }
    if (sqlState == "57014") {
        return ErrorClass::Timeout;
    }
    return ErrorClass::Failed;
}

const char* ErrorClassName(ErrorClass errorClass) {
    switch (errorClass) {
        case ErrorClass::None:
            return "none";
        case ErrorClass::ConnectionLost:
            return "connection-lost";
        case ErrorClass::RetryTransaction:
            return "retry-transaction";
        case ErrorClass::Rejected:
            return "rejected";
        case ErrorClass::SignInRefused:
            return "sign-in-refused";
        case ErrorClass::Timeout:
            return "timeout";
        case ErrorClass::NotEncrypted:
            return "not-encrypted";
        case ErrorClass::Failed:
            return "failed";
    }
    return "failed";
}

}  // namespace terrovane::pg
