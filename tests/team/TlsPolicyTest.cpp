// What a connection string requires of the server's TLS, decided from the options alone: over a network at
// least sslmode=require (verify-full with a root certificate named), what the person named by sslmode kept,
// nothing on a Unix socket.
#include <gtest/gtest.h>

#include "TestEnvironment.h"
#include "TlsPolicy.h"

namespace terrovane::pg {
namespace {

TlsChoice ChoiceFor(const std::string& conninfo) {
    std::string error;
    const std::optional<NamedOptions> named = ReadNamedOptions(conninfo, error);
    EXPECT_TRUE(named.has_value()) << conninfo << ": " << error;
    return named ? ChooseTls(*named) : TlsChoice{};
}

std::optional<std::string> ModeFor(const std::string& conninfo) {
    return ChoiceFor(conninfo).sslMode;
}

TEST(TlsPolicy, OverANetworkTlsIsRequiredAndANamedRootCertificateIsUsedToTheFull) {
    EXPECT_EQ(ModeFor("host=office.example dbname=team"), "require");
    EXPECT_EQ(ModeFor("hostaddr=10.0.0.7 dbname=team"), "require");
    EXPECT_EQ(ModeFor("postgresql://ann@office.example:5433/team"), "require");
    EXPECT_EQ(ModeFor("host=office.example sslrootcert=/etc/team/root.crt"), "verify-full");
    EXPECT_EQ(ModeFor("postgresql://office.example/team?sslrootcert=%2Fetc%2Fteam%2Froot.crt"),
              "verify-full");
    EXPECT_EQ(ChoiceFor("host=office.example").route, Route::Network);
    // A socket folder with an address still goes over TCP to that address.
    EXPECT_EQ(ModeFor("host=/run/postgresql hostaddr=127.0.0.1"), "require");
    // libpq tries each host in turn: one over the network is enough to require it.
    EXPECT_EQ(ModeFor("host=/run/postgresql,office.example port=5432,5432"), "require");
    // A service file may point anywhere; its host is not seen here, so the network is assumed.
    EXPECT_EQ(ModeFor("service=team"), "require");
}

TEST(TlsPolicy, AModeNamedInTheStringOrTheEnvironmentStands) {
    for (const char* mode : {"disable", "allow", "prefer", "require", "verify-ca", "verify-full"}) {
        EXPECT_EQ(ModeFor(std::string("host=office.example sslmode=") + mode), std::nullopt) << mode;
        EXPECT_EQ(ModeFor(std::string("postgresql://office.example/team?sslmode=") + mode), std::nullopt)
            << mode;
    }
    EXPECT_EQ(ModeFor("host=office.example sslmode=disable sslrootcert=/etc/team/root.crt"), std::nullopt);

    const testing::EnvironmentOverride mode("PGSSLMODE", "prefer");
    EXPECT_EQ(ModeFor("host=office.example"), std::nullopt);
}

TEST(TlsPolicy, TheEnvironmentFillsWhatTheStringLeavesOpen) {
    EXPECT_EQ(ChoiceFor("").route, Route::LocalSocket);  // libpq's default: its socket folder
    {
        const testing::EnvironmentOverride host("PGHOST", "office.example");
        EXPECT_EQ(ModeFor(""), "require");
        const testing::EnvironmentOverride root("PGSSLROOTCERT", "/etc/team/root.crt");
        EXPECT_EQ(ModeFor("dbname=team"), "verify-full");
        // The string's own host wins over the environment's.
        EXPECT_EQ(ChoiceFor("host=/run/postgresql").route, Route::LocalSocket);
    }
    const testing::EnvironmentOverride address("PGHOSTADDR", "10.0.0.7");
    EXPECT_EQ(ModeFor("host=/run/postgresql"), "require");
}

TEST(TlsPolicy, AUnixSocketNeedsNone) {
    for (const char* conninfo : {"dbname=team", "host=/run/postgresql dbname=team", "host='' dbname=team",
                                 "host=@abstract dbname=team", "postgresql:///team?host=/run/postgresql",
                                 "postgresql://%2Frun%2Fpostgresql/team", "host=/a,/b port=5432,5433"}) {
        const TlsChoice choice = ChoiceFor(conninfo);
        EXPECT_EQ(choice.route, Route::LocalSocket) << conninfo;
        EXPECT_EQ(choice.sslMode, std::nullopt) << conninfo;
    }
}

TEST(TlsPolicy, AStringLibpqCannotReadSaysWhy) {
    std::string error;
    EXPECT_FALSE(ReadNamedOptions("host=office.example colour=blue", error).has_value());
    EXPECT_NE(error.find("colour"), std::string::npos) << error;
    EXPECT_FALSE(ReadNamedOptions("host='unclosed", error).has_value());
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace terrovane::pg
