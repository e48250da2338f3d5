#include "TeamStatus.h"

#include "Numbers.h"
#include "SchemaSetup.h"

namespace terrovane::team {

std::optional<TeamStatus> ReadStatus(pg::Connection& connection, pg::QueryResult& failure) {
    TeamStatus status;
    status.serverVersion = connection.ServerVersion();
    status.security = connection.Security();
    status.login = connection.User();
    const std::optional<int> layout = ServerLayout(connection, failure);
    if (!layout) {
        return std::nullopt;
    }
    status.serverLayout = *layout;
    if (*layout == 0) {
        return status;
    }
    // People outside the team may not ask; they simply have no role, nor has the schema's owner.
    const pg::QueryResult who = connection.Query("SELECT role, sites FROM terrovane.whoami()");
    if (!who.Ok()) {
        if (who.error == pg::ErrorClass::Rejected) {
            return status;
        }
        failure = who;
        return std::nullopt;
    }
    if (!who.rows.empty() && who.rows[0][0]) {
        status.role = who.rows[0][0];
        // What the server sends is read, never trusted to be a number: a stray text is no crash.
        status.sites = numbers::ParseInteger(who.rows[0][1].value_or("0")).value_or(0);
    }
    return status;
}

}  // namespace terrovane::team
