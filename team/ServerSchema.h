#pragma once

#include <string>

namespace terrovane::team {

// The layout of the server's schema this program knows. A client and a server of different layouts
// refuse to sync, and say which side to update.
constexpr int kServerLayout = 3;

// The schema `terrovane`: its tables, functions, the team's group role and the row-level-security
// policies, made in one transaction by the database's owner.
const std::string& ServerSchemaSql();

}  // namespace terrovane::team
