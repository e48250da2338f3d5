#include "TeamServer.h"

#include "Settings.h"

namespace terrovane::cli {
namespace {

std::string SettingsServer() {
    return platform::Settings().TeamServer();
}

// What the person can do about each class of failure.
QString Advice(pg::ErrorClass error) {
    switch (error) {
        case pg::ErrorClass::ConnectionLost:
            return CliText::tr("the team server cannot be reached; nothing was changed, try again later");
        case pg::ErrorClass::SignInRefused:
            return CliText::tr("the team server refused the sign-in; check the user name and password");
        case pg::ErrorClass::RetryTransaction:
            return CliText::tr("the team server was busy with a conflicting change; try again");
        case pg::ErrorClass::Rejected:
            return CliText::tr("the team server refused the change");
        case pg::ErrorClass::Timeout:
            return CliText::tr("the team server took too long to answer");
        case pg::ErrorClass::NotEncrypted:
            return CliText::tr(
                "the team server offers no encrypted connection (TLS), so nothing was sent, the password "
                "least of all; its administrator turns TLS on at the server (ssl = on), or, on a network "
                "you trust, the connection string asks for sslmode=disable by name");
        case pg::ErrorClass::None:
        case pg::ErrorClass::Failed:
            break;
    }
    return CliText::tr("the team server reported an error");
}

}  // namespace

DeclaredOption ServerOption() {
    return {
        "server", "CONNINFO",
        "The team server as a libpq connection string or URI (\"host=office.example dbname=terrovane\", "
        "\"postgresql://alice@office.example/terrovane\"); by default the setting Team/Server, then libpq's "
        "environment (PGHOST, PGUSER, PGDATABASE, PGSERVICE, ~/.pgpass, ...). Over TCP the connection is "
        "encrypted (sslmode=require, verify-full with sslrootcert) unless sslmode asks for less by name."};
}

std::string TeamServerConninfo(const ParsedArguments& options) {
    return options.Has("server") ? options.Value("server") : SettingsServer();
}

std::unique_ptr<pg::Connection> ConnectToTeamServer(const std::string& command,
                                                    const ParsedArguments& options) {
    pg::ConnectOptions connect;
    connect.conninfo = TeamServerConninfo(options);
    connect.applicationName = "terrovane-cli";
    pg::QueryResult failure;
    auto connection = pg::Connection::Open(connect, failure);
    if (connection == nullptr) {
        // A refused certificate or a bad connection string: nothing is retried, nothing falls back.
        const QString advice = failure.error == pg::ErrorClass::Failed
                                   ? CliText::tr("cannot connect to the team server")
                                   : Advice(failure.error);
        Tell(command, advice + QStringLiteral(": ") + Given(failure.Explained()));
    }
    return connection;
}

bool ToldServerLacksTls(const std::string& command, const pg::ConnectOptions& connect) {
    pg::QueryResult failure;
    if (pg::Connection::Open(connect, failure) != nullptr || failure.error != pg::ErrorClass::NotEncrypted) {
        return false;
    }
    Tell(command, Advice(failure.error) + QStringLiteral(": ") + Given(failure.Explained()));
    return true;
}

int TeamServerFailed(const std::string& command, const QString& what, const pg::QueryResult& failure) {
    const QString advice = failure.error == pg::ErrorClass::Failed ? what : Advice(failure.error);
    Tell(command, advice + QStringLiteral(": ") + Given(failure.Explained()));
    return kExitFailed;
}

}  // namespace terrovane::cli
