#pragma once

#include <string>

namespace terrovane::pg {

// What the caller should do about a failed statement or connection. The server's SQLSTATE decides,
// never the text of its message, except where libpq gives no SQLSTATE (a refused sign-in).
enum class ErrorClass {
    None,              // it worked
    ConnectionLost,    // the server cannot be reached or went away: keep the work and try again later
    RetryTransaction,  // serialization failure or deadlock: run the whole transaction again
    Rejected,          // a constraint or a missing right refused this change: set it aside, go on with others
    SignInRefused,     // wrong user or password, or no password given: ask the person, never retry alone
    Timeout,           // the statement ran past its time limit
    NotEncrypted,      // the server offers no TLS where the connection requires it: nothing was sent;
                       // its administrator turns TLS on, or the connection string asks for less by name
    Failed,            // anything else: a fault in the statement or the server; report it
};

// The class of an SQLSTATE (five characters, as the server sends it).
ErrorClass ClassOfSqlState(const std::string& sqlState);

// A stable name for logs and JSON ("connection-lost", "retry-transaction", ...).
const char* ErrorClassName(ErrorClass errorClass);

}  // namespace terrovane::pg
