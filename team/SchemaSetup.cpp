#include "SchemaSetup.h"

#include "ServerSchema.h"

namespace terrovane::team {

std::optional<int> ServerLayout(pg::Connection& connection, pg::QueryResult& failure) {
    // to_regclass is null for a table that is not there (or not visible to the caller), never an error.
    const pg::QueryResult table = connection.Query("SELECT to_regclass('terrovane.meta') IS NOT NULL");
    if (!table.Ok()) {
        failure = table;
        return std::nullopt;
    }
    if (table.Scalar() != "t") {
        return 0;
    }
    const pg::QueryResult found = connection.Query("SELECT value FROM terrovane.meta WHERE key = 'layout'");
    if (!found.Ok()) {
        failure = found;
        return std::nullopt;
    }
    const std::string text = found.Scalar();
    int layout = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9' || layout > 100000) {
            failure = pg::QueryResult::Failure(pg::ErrorClass::Failed,
                                               "the server's layout is not a number: " + text);
            return std::nullopt;
        }
        layout = layout * 10 + (digit - '0');
    }
    return layout;
}

SetupResult SetUpSchema(pg::Connection& connection) {
    SetupResult result;
    const pg::QueryResult outcome = pg::InTransaction(connection, [&result](pg::Connection& in) {
        const std::optional<int> layout = ServerLayout(in, result.failure);
        if (!layout) {
            return result.failure;
        }
        if (*layout != 0) {
            result.serverLayout = *layout;
            result.outcome =
                *layout == kServerLayout ? SetupOutcome::AlreadyThere : SetupOutcome::OtherLayout;
            return pg::QueryResult{};
        }
        pg::QueryResult made = in.RunScript(ServerSchemaSql());
        if (!made.Ok()) {
            return made;
        }
        made = in.Query("INSERT INTO terrovane.meta (key, value) VALUES ('layout', $1)",
                        {std::to_string(kServerLayout)});
        if (made.Ok()) {
            result.serverLayout = kServerLayout;
            result.outcome = SetupOutcome::Created;
        }
        return made;
    });
    if (!outcome.Ok()) {
        result.outcome = SetupOutcome::Failed;
        result.failure = outcome;
    }
    return result;
}

}  // namespace terrovane::team
