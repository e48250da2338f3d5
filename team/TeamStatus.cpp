#include "TeamStatus.h"

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
    // The schema's owner and people outside the team may not run whoami; they simply have no role.
    const pg::QueryResult who = connection.Query(
        "SELECT role, (SELECT count(*) FROM terrovane.member_sites s WHERE s.login = current_user) "
        "FROM terrovane.members WHERE login = current_user");
    if (!who.Ok()) {
        if (who.error == pg::ErrorClass::Rejected) {
            return status;
        }
        failure = who;
        return std::nullopt;
    }
    if (!who.rows.empty()) {
        status.role = who.rows[0][0];
        status.sites = std::stoll(who.rows[0][1].value_or("0"));
    }
    return status;
}

}  // namespace terrovane::team
