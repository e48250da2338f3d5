#include "Connection.h"

#include <libpq-fe.h>

#include <cstdlib>
#include <utility>

#include "TlsPolicy.h"

namespace terrovane::pg {
namespace {

struct Keyword {
    std::string name;
    std::string value;
};

// Our defaults first and the person's connection string last: libpq lets later entries win, and it
// expands the connection string in place. A default the environment sets already is left to it.
std::vector<Keyword> Keywords(const ConnectOptions& options, const TlsChoice& tls) {
    std::vector<Keyword> keywords;
    const auto fallback = [&keywords](const char* variable, const char* name, const std::string& value) {
        if (variable == nullptr || std::getenv(variable) == nullptr) {
            keywords.push_back({name, value});
        }
    };
    fallback("PGCONNECT_TIMEOUT", "connect_timeout", std::to_string(options.connectTimeout.count()));
    fallback("PGAPPNAME", "application_name", options.applicationName);
    fallback("PGOPTIONS", "options",
             "-c statement_timeout=" + std::to_string(options.statementTimeout.count()));
    fallback(nullptr, "keepalives", "1");
    fallback(nullptr, "keepalives_idle", std::to_string(options.keepAliveIdle.count()));
    fallback(nullptr, "keepalives_interval", std::to_string(options.keepAliveInterval.count()));
    fallback(nullptr, "keepalives_count", std::to_string(options.keepAliveCount));
    // Data sent but never acknowledged counts as a lost connection after the same time.
    const auto unacknowledged = options.keepAliveIdle + options.keepAliveInterval * options.keepAliveCount;
    fallback(nullptr, "tcp_user_timeout", std::to_string(std::chrono::milliseconds(unacknowledged).count()));
    if (!options.conninfo.empty()) {
        keywords.push_back({"dbname", options.conninfo});
    }
    // Only where the person named no sslmode, so it overrides nothing they asked for.
    if (tls.sslMode) {
        keywords.push_back({"sslmode", *tls.sslMode});
    }
    if (options.user) {
        keywords.push_back({"user", *options.user});
    }
    if (options.password) {
        keywords.push_back({"password", *options.password});
    }
    return keywords;
}

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

// libpq gives no SQLSTATE for a failed sign-in, so the class comes from what it knows and its message.
ErrorClass ClassOfFailedOpen(PGconn* handle, const std::string& message) {
    if (PQconnectionNeedsPassword(handle) || Contains(message, "authentication failed") ||
        Contains(message, "no password supplied") || Contains(message, "no pg_hba.conf entry") ||
        Contains(message, "permission denied for database")) {
        return ErrorClass::SignInRefused;
    }
    // The server answered that it has no TLS: nothing, the password least of all, was sent.
    if (Contains(message, "SSL was required")) {
        return ErrorClass::NotEncrypted;
    }
    if (Contains(message, "certificate") || Contains(message, "does not exist")) {
        return ErrorClass::Failed;
    }
    return ErrorClass::ConnectionLost;
}

std::string Field(const PGresult* result, int code) {
    const char* value = PQresultErrorField(result, code);
    return value != nullptr ? value : "";
}

QueryResult FromServer(PGconn* handle, PGresult* raw) {
    std::unique_ptr<PGresult, decltype(&PQclear)> result(raw, &PQclear);
    if (result == nullptr) {
        return QueryResult::Failure(
            PQstatus(handle) == CONNECTION_BAD ? ErrorClass::ConnectionLost : ErrorClass::Failed,
            Trimmed(PQerrorMessage(handle)));
    }
    QueryResult answer;
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        answer.sqlState = Field(result.get(), PG_DIAG_SQLSTATE);
        answer.message = Field(result.get(), PG_DIAG_MESSAGE_PRIMARY);
        if (answer.message.empty()) {
            answer.message = Trimmed(PQresultErrorMessage(result.get()));
        }
        const std::string detail = Field(result.get(), PG_DIAG_MESSAGE_DETAIL);
        const std::string hint = Field(result.get(), PG_DIAG_MESSAGE_HINT);
        answer.detail = detail.empty() ? hint : (hint.empty() ? detail : detail + "; " + hint);
        answer.error = ClassOfSqlState(answer.sqlState);
        if (PQstatus(handle) == CONNECTION_BAD) {
            answer.error = ErrorClass::ConnectionLost;
        } else if (answer.error == ErrorClass::None) {
            answer.error = ErrorClass::Failed;
        }
        return answer;
    }
    const int columns = PQnfields(result.get());
    for (int c = 0; c < columns; ++c) {
        answer.columns.emplace_back(PQfname(result.get(), c));
    }
    const int rows = PQntuples(result.get());
    answer.rows.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        std::vector<std::optional<std::string>> row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            if (PQgetisnull(result.get(), r, c)) {
                row.emplace_back(std::nullopt);
            } else {
                row.emplace_back(
                    std::string(PQgetvalue(result.get(), r, c), PQgetlength(result.get(), r, c)));
            }
        }
        answer.rows.push_back(std::move(row));
    }
    const char* affected = PQcmdTuples(result.get());
    answer.affected = affected != nullptr && *affected != '\0' ? std::strtoull(affected, nullptr, 10) : 0;
    return answer;
}

}  // namespace

std::unique_ptr<Connection> Connection::Open(const ConnectOptions& options, QueryResult& failure) {
    std::string error;
    const std::optional<NamedOptions> named = ReadNamedOptions(options.conninfo, error);
    if (!named) {
        failure =
            QueryResult::Failure(ErrorClass::Failed, "the server's connection string is not valid: " + error);
        return nullptr;
    }
    const TlsChoice tls = ChooseTls(*named);
    const std::vector<Keyword> keywords = Keywords(options, tls);
    std::vector<const char*> names;
    std::vector<const char*> values;
    for (const Keyword& keyword : keywords) {
        names.push_back(keyword.name.c_str());
        values.push_back(keyword.value.c_str());
    }
    names.push_back(nullptr);
    values.push_back(nullptr);
    PGconn* handle = PQconnectdbParams(names.data(), values.data(), 1);
    if (handle == nullptr) {
        failure = QueryResult::Failure(ErrorClass::Failed, "out of memory");
        return nullptr;
    }
    if (PQstatus(handle) != CONNECTION_OK) {
        const std::string message = Trimmed(PQerrorMessage(handle));
        failure = QueryResult::Failure(ClassOfFailedOpen(handle, message), message);
        PQfinish(handle);
        return nullptr;
    }
    failure = {};
    return std::unique_ptr<Connection>(new Connection(handle));
}

Connection::~Connection() {
    PQfinish(handle_);
}

QueryResult Connection::Query(const std::string& sql, const Parameters& parameters) {
    return Query(sql, parameters, {});
}

QueryResult Connection::Query(const std::string& sql, const Parameters& parameters,
                              const std::vector<bool>& binary) {
    std::vector<const char*> values;
    std::vector<int> lengths;
    std::vector<int> formats;
    values.reserve(parameters.size());
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const auto& parameter = parameters[i];
        values.push_back(parameter ? parameter->data() : nullptr);
        lengths.push_back(parameter ? static_cast<int>(parameter->size()) : 0);
        formats.push_back(i < binary.size() && binary[i] ? 1 : 0);
    }
    return FromServer(handle_, PQexecParams(handle_, sql.c_str(), static_cast<int>(values.size()), nullptr,
                                            values.data(), lengths.data(), formats.data(), 0));
}

QueryResult Connection::RunScript(const std::string& sql) {
    return FromServer(handle_, PQexec(handle_, sql.c_str()));
}

bool Connection::Alive() const {
    return PQstatus(handle_) == CONNECTION_OK;
}

std::string Connection::User() const {
    const char* user = PQuser(handle_);
    return user != nullptr ? user : "";
}

int Connection::ServerVersion() const {
    return PQserverVersion(handle_);
}

std::optional<std::string> Connection::EncryptedPassword(const std::string& user,
                                                         const std::string& password) {
    char* encrypted = PQencryptPasswordConn(handle_, password.c_str(), user.c_str(), "scram-sha-256");
    if (encrypted == nullptr) {
        return std::nullopt;
    }
    std::string text(encrypted);
    PQfreemem(encrypted);
    return text;
}

LinkSecurity Connection::Security() const {
    LinkSecurity security;
    const char* host = PQhost(handle_);
    const char* address = PQhostaddr(handle_);
    security.localSocket =
        host != nullptr && (host[0] == '/' || host[0] == '@') && (address == nullptr || address[0] == '\0');
    std::unique_ptr<PQconninfoOption, decltype(&PQconninfoFree)> used(PQconninfo(handle_), &PQconninfoFree);
    for (const PQconninfoOption* option = used.get(); option != nullptr && option->keyword != nullptr;
         ++option) {
        if (std::string(option->keyword) == "sslmode" && option->val != nullptr) {
            security.sslMode = option->val;
        }
    }
    security.encrypted = PQsslInUse(handle_) != 0;
    if (!security.encrypted) {
        return security;
    }
    const char* protocol = PQsslAttribute(handle_, "protocol");
    security.protocol = protocol != nullptr ? protocol : "TLS";
    // The connection is open, so the check its mode asks for passed.
    if (security.sslMode == "verify-full") {
        security.certificate = CertificateCheck::AuthorityAndName;
    } else if (security.sslMode == "verify-ca") {
        security.certificate = CertificateCheck::Authority;
    }
    return security;
}

QueryResult BeginTransaction(Connection& connection) {
    return connection.Query("BEGIN ISOLATION LEVEL REPEATABLE READ");
}

QueryResult FinishTransaction(Connection& connection, const QueryResult& bodyResult) {
    if (!bodyResult.Ok()) {
        if (connection.Alive()) {
            // The body's failure is the one to report; a rollback that fails too leaves the transaction
            // to end with the connection, which the server then undoes all the same.
            static_cast<void>(connection.Query("ROLLBACK"));
        }
        return bodyResult;
    }
    const QueryResult committed = connection.Query("COMMIT");
    return committed.Ok() ? bodyResult : committed;
}

}  // namespace terrovane::pg
