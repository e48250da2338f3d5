#pragma once

#include <string>

namespace terrovane::team {

// The layout of the server's schema this program knows. A client and a server of different layouts
// refuse to sync, and say which side to update (`team upgrade` brings an older server forward).
constexpr int kServerLayout = 10;

// What brings the schema `terrovane` from layout `from` (0: none) to this program's, as one script the
// database's owner runs in one transaction: the layout steps after `from`, then every function (made
// anew, owned by the role that owns the tables), the rights, and the layout number.
std::string SchemaSqlFrom(int from);

}  // namespace terrovane::team
