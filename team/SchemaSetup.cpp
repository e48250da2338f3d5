#include "SchemaSetup.h"

#include "ServerSchema.h"

namespace terrovane::team {
namespace {

// Runs the script that brings the schema from `from` to this program's layout, in the caller's
// transaction.
pg::QueryResult BringForward(pg::Connection& in, int from, SetupResult& result) {
    const pg::QueryResult made = in.RunScript(SchemaSqlFrom(from));
    if (made.Ok()) {
        result.serverLayout = kServerLayout;
        result.fromLayout = from;
    }
    return made;
}

}  // namespace

std::optional<int> ServerLayout(pg::Connection& connection, pg::QueryResult& failure) {
    // to_regprocedure is null for a function that is not there, never an error. Every layout has the
    // function; members of the team and the owner may call it.
    const pg::QueryResult there =
        connection.Query("SELECT to_regprocedure('terrovane.layout()') IS NOT NULL");
    if (!there.Ok()) {
        failure = there;
        return std::nullopt;
    }
    if (there.Scalar() != "t") {
        return 0;
    }
    const pg::QueryResult found = connection.Query("SELECT terrovane.layout()");
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
        const pg::QueryResult made = BringForward(in, 0, result);
        if (made.Ok()) {
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

SetupResult UpgradeSchema(pg::Connection& connection) {
    SetupResult result;
    const pg::QueryResult outcome = pg::InTransaction(connection, [&result](pg::Connection& in) {
        std::optional<int> layout = ServerLayout(in, result.failure);
        if (!layout) {
            return result.failure;
        }
        if (*layout == 0) {
            result.outcome = SetupOutcome::NoSchema;
            return pg::QueryResult{};
        }
        // No sync writes while the schema changes under it; syncs wait for the upgrade, then find the
        // new layout. The layout is read again under the lock: another upgrade may have gone first.
        const pg::QueryResult locked = in.Query("LOCK TABLE terrovane.meta IN ACCESS EXCLUSIVE MODE");
        if (!locked.Ok()) {
            return locked;
        }
        layout = ServerLayout(in, result.failure);
        if (!layout) {
            return result.failure;
        }
        result.serverLayout = *layout;
        if (*layout >= kServerLayout) {
            result.outcome = *layout == kServerLayout ? SetupOutcome::AlreadyThere : SetupOutcome::Newer;
            return pg::QueryResult{};
        }
        const pg::QueryResult made = BringForward(in, *layout, result);
        if (made.Ok()) {
            result.outcome = SetupOutcome::Upgraded;
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
