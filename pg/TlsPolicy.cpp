#include "TlsPolicy.h"

#include <libpq-fe.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace terrovane::pg {
namespace {

std::string Named(const NamedOptions& named, const std::string& keyword) {
    const auto found = named.find(keyword);
    return found != named.end() ? found->second : std::string();
}

// libpq's lists of hosts and addresses: comma-separated, one entry per server to try.
std::vector<std::string> Entries(const std::string& list) {
    std::vector<std::string> entries;
    std::string::size_type start = 0;
    while (true) {
        const auto comma = list.find(',', start);
        entries.push_back(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) {
            return entries;
        }
        start = comma + 1;
    }
}

// A host libpq takes for a Unix socket's folder: an absolute path, or an abstract socket's '@' name.
bool IsSocketFolder(const std::string& host) {
    return !host.empty() && (host.front() == '/' || host.front() == '@');
}

// libpq tries each entry in turn: the route crosses a network when any entry does. An entry with an
// address is TCP whatever its host says; one with neither is libpq's default socket.
Route RouteOf(const NamedOptions& named) {
    const std::vector<std::string> hosts = Entries(Named(named, "host"));
    const std::vector<std::string> addresses = Entries(Named(named, "hostaddr"));
    const std::size_t count = std::max(hosts.size(), addresses.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::string host = i < hosts.size() ? hosts[i] : std::string();
        const std::string address = i < addresses.size() ? addresses[i] : std::string();
        if (!address.empty() || (!host.empty() && !IsSocketFolder(host))) {
            return Route::Network;
        }
    }
    // A service file may name any host: where it is not seen, the network is assumed.
    if (Named(named, "host").empty() && Named(named, "hostaddr").empty() &&
        !Named(named, "service").empty()) {
        return Route::Network;
    }
    return Route::LocalSocket;
}

}  // namespace

TlsChoice ChooseTls(const NamedOptions& named) {
    TlsChoice choice;
    choice.route = RouteOf(named);
    if (choice.route == Route::LocalSocket || !Named(named, "sslmode").empty()) {
        return choice;
    }
    choice.sslMode = Named(named, "sslrootcert").empty() ? "require" : "verify-full";
    return choice;
}

std::optional<NamedOptions> ReadNamedOptions(const std::string& conninfo, std::string& error) {
    char* message = nullptr;
    std::unique_ptr<PQconninfoOption, decltype(&PQconninfoFree)> options(
        PQconninfoParse(conninfo.c_str(), &message), &PQconninfoFree);
    if (options == nullptr) {
        error = message != nullptr ? message : "out of memory";
        PQfreemem(message);
        while (!error.empty() && (error.back() == '\n' || error.back() == ' ')) {
            error.pop_back();
        }
        return std::nullopt;
    }
    NamedOptions named;
    for (const PQconninfoOption* option = options.get(); option->keyword != nullptr; ++option) {
        const char* fromEnvironment = option->envvar != nullptr ? std::getenv(option->envvar) : nullptr;
        const char* value = option->val != nullptr ? option->val : fromEnvironment;
        if (value != nullptr && *value != '\0') {
            named.emplace(option->keyword, value);
        }
    }
    return named;
}

}  // namespace terrovane::pg
