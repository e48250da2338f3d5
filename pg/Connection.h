#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "LinkSecurity.h"
#include "QueryResult.h"

struct pg_conn;

namespace terrovane::pg {

// How to reach the server. Anything the connection string leaves open comes from libpq's own environment
// (PGHOST, PGPORT, PGUSER, PGPASSWORD, PGDATABASE, PGSSLMODE, PGSERVICE, ~/.pgpass), as with psql. The
// timeouts are defaults: the connection string's own values win over them. Over TCP the connection is
// encrypted unless sslmode asks for less by name (ChooseTls).
struct ConnectOptions {
    std::string conninfo;  // "host=... dbname=..." or "postgresql://..."; empty: the environment alone
    std::chrono::seconds connectTimeout{10};
    std::chrono::milliseconds statementTimeout{30000};
    // TCP keep-alives notice a server that vanished without closing the connection (a laptop's network
    // gone, the server's host down): after idle + count * interval seconds the connection counts as lost.
    std::chrono::seconds keepAliveIdle{30};
    std::chrono::seconds keepAliveInterval{10};
    int keepAliveCount = 3;
    std::string applicationName = "terrovane";
    std::optional<std::string> password;  // one the person typed; never from the settings file
    // Who signs in, as a window names them; it wins over the connection string's own user.
    std::optional<std::string> user;
};

using Parameters = std::vector<std::optional<std::string>>;  // text values; nullopt is SQL NULL

// One open connection. Every statement with values is sent with them as parameters, never spliced into
// its text.
class Connection {
  public:
    // The open connection, or null with `failure` saying why (its class tells retry-later from a refused
    // sign-in, a server without TLS or a bad connection string).
    static std::unique_ptr<Connection> Open(const ConnectOptions& options, QueryResult& failure);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QueryResult Query(const std::string& sql, const Parameters& parameters = {});
    // The same, with the parameters marked in `binary` sent in the server's binary form of the type the
    // statement casts them to (an array of bytes: half the size of its text, and nothing to parse).
    QueryResult Query(const std::string& sql, const Parameters& parameters, const std::vector<bool>& binary);
    // Several statements without parameters in one round trip; only for the program's own fixed texts.
    QueryResult RunScript(const std::string& sql);
    // False once the server has gone away; the connection is then of no further use.
    bool Alive() const;
    // The user name the server knows this connection by.
    std::string User() const;
    int ServerVersion() const;  // e.g. 150018
    // Whether the connection is encrypted and how far the server's certificate was checked.
    LinkSecurity Security() const;
    // A libpq helper: the password in the form the server stores (SCRAM-SHA-256), so it never travels or
    // lands in a server log in clear.
    std::optional<std::string> EncryptedPassword(const std::string& user, const std::string& password);

  private:
    explicit Connection(pg_conn* handle) : handle_(handle) {}
    pg_conn* handle_;
};

// Runs `body` between BEGIN and COMMIT, running it all again (up to `attempts` times) when the server
// answers with a serialization failure or a deadlock; any other failure rolls back and is returned.
template <typename Body>
QueryResult InTransaction(Connection& connection, Body&& body, int attempts = 5);

QueryResult BeginTransaction(Connection& connection);
QueryResult FinishTransaction(Connection& connection, const QueryResult& bodyResult);

template <typename Body>
QueryResult InTransaction(Connection& connection, Body&& body, int attempts) {
    QueryResult result;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        result = BeginTransaction(connection);
        if (!result.Ok()) {
            return result;
        }
        result = FinishTransaction(connection, body(connection));
        if (result.error != ErrorClass::RetryTransaction) {
            return result;
        }
    }
    return result;
}

}  // namespace terrovane::pg
