#pragma once

#include <map>
#include <optional>
#include <string>

namespace terrovane::pg {

// The options a connection string names, by libpq's keywords, with those libpq's environment sets where
// the string is silent (PGHOST, PGSSLMODE, ...). Options nobody set are absent.
using NamedOptions = std::map<std::string, std::string>;

// Whether the connection crosses a network: a Unix socket never does.
enum class Route { LocalSocket, Network };

struct TlsChoice {
    Route route = Route::Network;
    // The sslmode this program asks libpq for; none when the one named by the person stands, or on a Unix
    // socket, which needs none (libpq sends nothing there encrypted, whatever the mode).
    std::optional<std::string> sslMode;
};

// A password and the team's data cross a network encrypted unless the connection string (or PGSSLMODE)
// asks for less by name: sslmode=require at least, verify-full when a root certificate is named
// (sslrootcert, PGSSLROOTCERT), so that a named root is also used to check the server's name. libpq's own
// default (prefer) would fall back to clear text whenever the server, or anything on the way, declines.
TlsChoice ChooseTls(const NamedOptions& named);

// The options of `conninfo` (key=value or URI) as libpq parses them, filled from libpq's environment where
// it is silent; nullopt with `error` when libpq cannot read it.
[[nodiscard]] std::optional<NamedOptions> ReadNamedOptions(const std::string& conninfo, std::string& error);

}  // namespace terrovane::pg
