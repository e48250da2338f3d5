#pragma once

#include <memory>
#include <string>

#include "Command.h"
#include "Connection.h"

namespace terrovane::cli {

// The --server option every team command takes (a function: the commands register themselves while the
// program's statics are made, in no fixed order).
DeclaredOption ServerOption();

// --server, else the setting Team/Server, else empty (libpq's environment alone).
std::string TeamServerConninfo(const ParsedArguments& options);

// The connection, or null after a message on standard error that says what to do about the failure.
std::unique_ptr<pg::Connection> ConnectToTeamServer(const std::string& command,
                                                    const ParsedArguments& options);

// After a sync that failed in a way it could not name: whether the reason is a server that offers no TLS
// where the connection requires it, then said with what to do on standard error. Costs one refused
// connection.
bool ToldServerLacksTls(const std::string& command, const pg::ConnectOptions& connect);

// "command: what failed: the server's reason" on standard error; returns kExitFailed.
int TeamServerFailed(const std::string& command, const QString& what, const pg::QueryResult& failure);

}  // namespace terrovane::cli
