#include "TestServer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace terrovane::testing {
namespace {

TestServer ReadState(const std::string& path, const std::string& fixture) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("no test server: the fixture " + fixture + " did not run (" + path + ")");
    }
    TestServer server;
    for (std::string line; std::getline(in, line);) {
        const auto equals = line.find('=');
        const std::string key = line.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : line.substr(equals + 1);
        if (key == "dir") {
            server.socketFolder = value;
        } else if (key == "port") {
            server.port = std::stoi(value);
        } else if (key == "bindir") {
            server.bindir = value;
        } else if (key == "tls") {
            server.tlsFolder = value;
        }
    }
    return server;
}

// A conninfo value in single quotes, as libpq reads it.
std::string Quoted(const std::string& value) {
    std::string quoted = "'";
    for (const char c : value) {
        if (c == '\'' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "'";
}

std::string SuperuserAt(const std::string& database) {
    return "host=" + Quoted(RunningServer().socketFolder) + " port=" + std::to_string(RunningServer().port) +
           " user=postgres dbname=" + database;
}

std::string UniqueName() {
    static std::atomic<int> counter{0};
    return "t" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
}

}  // namespace

const TestServer& RunningServer() {
    static const TestServer server = ReadState(TV_PG_CLUSTER_STATE, "team_server_start");
    return server;
}

const TestServer& PlainServer() {
    static const TestServer server = ReadState(TV_PG_PLAIN_STATE, "team_plain_server_start");
    return server;
}

std::unique_ptr<pg::Connection> MustOpen(const std::string& conninfo) {
    pg::ConnectOptions options;
    options.conninfo = conninfo;
    pg::QueryResult failure;
    auto connection = pg::Connection::Open(options, failure);
    if (connection == nullptr) {
        ADD_FAILURE() << "cannot connect with " << conninfo << ": " << failure.message;
    }
    return connection;
}

ScratchDatabase::ScratchDatabase() : name_(UniqueName()) {
    auto admin = MustOpen(SuperuserAt("postgres"));
    if (admin == nullptr) {
        throw std::runtime_error("the test server cannot be reached");
    }
    // Utility statements take no parameters; the name is our own letters and digits.
    const pg::QueryResult made =
        admin->Query("CREATE DATABASE " + name_ + " TEMPLATE tv_template OWNER " + kOwner);
    if (!made.Ok()) {
        throw std::runtime_error("cannot clone the template: " + made.message);
    }
}

ScratchDatabase::~ScratchDatabase() {
    auto admin = MustOpen(SuperuserAt("postgres"));
    if (admin != nullptr) {
        // Left behind in the throw-away cluster it harms no other test, but is said for whoever looks.
        if (const pg::QueryResult dropped =
                admin->Query("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
            !dropped.Ok()) {
            std::fprintf(stderr, "scratch database %s not dropped: %s\n", name_.c_str(),
                         dropped.message.c_str());
        }
    }
}

std::string ScratchDatabase::TcpConninfo(const std::string& user, const std::string& password) const {
    return "host=127.0.0.1 port=" + std::to_string(RunningServer().port) + " dbname=" + name_ +
           " user=" + Quoted(user) + " password=" + Quoted(password);
}

std::string ScratchDatabase::SocketConninfo(const std::string& user, const std::string& password) const {
    return "host=" + Quoted(RunningServer().socketFolder) + " port=" + std::to_string(RunningServer().port) +
           " dbname=" + name_ + " user=" + Quoted(user) + " password=" + Quoted(password);
}

std::string ScratchDatabase::SuperuserConninfo() const {
    return SuperuserAt(name_);
}

std::unique_ptr<pg::Connection> ScratchDatabase::Superuser() const {
    return MustOpen(SuperuserConninfo());
}

std::unique_ptr<pg::Connection> ScratchDatabase::Owner() const {
    return MustOpen(SocketConninfo(kOwner, kOwnerPassword));
}

std::unique_ptr<pg::Connection> ScratchDatabase::As(const std::string& user,
                                                    const std::string& password) const {
    return MustOpen(TcpConninfo(user, password));
}

}  // namespace terrovane::testing
