#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ErrorClass.h"

namespace terrovane::pg {

// The answer to one statement: its rows as text (a null field is nullopt), or why it failed.
struct [[nodiscard]] QueryResult {
    ErrorClass error = ErrorClass::None;
    std::string sqlState;  // empty when the server sent none (the connection failed first)
    std::string message;   // the server's or libpq's primary message
    std::string detail;    // the server's DETAIL and HINT, when it sent them
    std::vector<std::string> columns;
    std::vector<std::vector<std::optional<std::string>>> rows;
    std::size_t affected = 0;  // rows inserted, updated or deleted

    bool Ok() const { return error == ErrorClass::None; }
    // The first row's first field; empty for none or null.
    std::string Scalar() const;
    // "message (DETAIL)" for a person.
    std::string Explained() const;

    static QueryResult Failure(ErrorClass error, std::string message);
};

}  // namespace terrovane::pg
