#pragma once

#include <optional>
#include <string>

#include "Connection.h"

namespace terrovane::team {

// What the server says about itself and the one connected.
struct TeamStatus {
    int serverVersion = 0;            // PostgreSQL's, e.g. 150018
    pg::LinkSecurity security;        // whether the connection is encrypted, its certificate checked
    int serverLayout = 0;             // 0: no team schema in this database
    std::string login;                // the name the server knows the connection by
    std::optional<std::string> role;  // viewer, inspector or admin; none for one outside the team
    long long sites = 0;              // the sites the member is a member of
};

// Reads the status; nullopt with `failure` when the server would not answer.
[[nodiscard]] std::optional<TeamStatus> ReadStatus(pg::Connection& connection, pg::QueryResult& failure);

}  // namespace terrovane::team
