#pragma once

#include <memory>
#include <string>

#include "Connection.h"

namespace terrovane::testing {

// The throw-away server the fixture test `team_server_start` started for this run (pg_cluster.sh).
struct TestServer {
    std::string socketFolder;
    int port = 0;
    std::string bindir;     // the server's programs (psql, pg_ctl)
    std::string tlsFolder;  // root.crt signed the server's certificate for 127.0.0.1; other.crt did not
};
const TestServer& RunningServer();
// The second server of the fixture `team_plain_server`: one that offers no TLS (its tlsFolder is empty).
// It has the owner and the template database, nothing else.
const TestServer& PlainServer();

// The owner of the template database and of every database cloned from it, as an office's would be.
inline constexpr const char* kOwner = "tv_owner";
inline constexpr const char* kOwnerPassword = "owner-secret";

// A database of one test, cloned from the empty template and dropped when it goes. Its logins are named
// after it, since logins are shared by the whole server and tests run side by side.
class ScratchDatabase {
  public:
    ScratchDatabase();
    ~ScratchDatabase();
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;

    const std::string& Name() const { return name_; }
    // A login name of this database's own: "<database>_<who>".
    std::string Login(const std::string& who) const { return name_ + "_" + who; }
    // Over TCP on 127.0.0.1, as a member's laptop signs in.
    std::string TcpConninfo(const std::string& user, const std::string& password) const;
    // Over the private socket.
    std::string SocketConninfo(const std::string& user, const std::string& password) const;
    std::string SuperuserConninfo() const;

    // Connections that must work; a failure ends the test with the server's message.
    std::unique_ptr<pg::Connection> Superuser() const;
    std::unique_ptr<pg::Connection> Owner() const;
    std::unique_ptr<pg::Connection> As(const std::string& user, const std::string& password) const;

  private:
    std::string name_;
};

std::unique_ptr<pg::Connection> MustOpen(const std::string& conninfo);

}  // namespace terrovane::testing
