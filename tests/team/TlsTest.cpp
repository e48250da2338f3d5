// What a connection to the real servers gets: over TCP it is encrypted or refused unless the connection
// string asks for less by name, a named root certificate checks the server's certificate and its name, and
// a Unix socket needs nothing. The plain server offers no TLS at all, as one nobody set up for it.
#include <gtest/gtest.h>

#include "TestEnvironment.h"
#include "TestServer.h"

namespace terrovane::testing {
namespace {

std::string Tcp(const TestServer& server, const std::string& database) {
    return "host=127.0.0.1 port=" + std::to_string(server.port) + " dbname=" + database + " user=" + kOwner +
           " password=" + kOwnerPassword;
}

std::string Socket(const TestServer& server, const std::string& database) {
    return "host=" + server.socketFolder + " port=" + std::to_string(server.port) + " dbname=" + database +
           " user=" + kOwner + " password=" + kOwnerPassword;
}

std::unique_ptr<pg::Connection> Open(const std::string& conninfo, pg::QueryResult& failure) {
    pg::ConnectOptions options;
    options.conninfo = conninfo;
    return pg::Connection::Open(options, failure);
}

// What the server itself says of the connection: "t" when it is encrypted.
std::string ServerSeesTls(pg::Connection& connection) {
    return connection.Query("SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()").Scalar();
}

TEST(Tls, AServerWithoutTlsIsRefusedOverTcpUnlessTheStringAsksForLessByName) {
    const std::string plain = Tcp(PlainServer(), "tv_template");
    pg::QueryResult failure;
    EXPECT_EQ(Open(plain, failure), nullptr);
    EXPECT_EQ(failure.error, pg::ErrorClass::NotEncrypted) << failure.message;
    // A named root certificate asks for more, never less.
    EXPECT_EQ(Open(plain + " sslrootcert=" + RunningServer().tlsFolder + "/root.crt", failure), nullptr);
    EXPECT_EQ(failure.error, pg::ErrorClass::NotEncrypted) << failure.message;

    for (const char* mode : {"disable", "allow", "prefer"}) {
        auto connection = Open(plain + " sslmode=" + mode, failure);
        ASSERT_NE(connection, nullptr) << mode << ": " << failure.message;
        const pg::LinkSecurity link = connection->Security();
        EXPECT_FALSE(link.encrypted) << mode;
        EXPECT_FALSE(link.localSocket) << mode;
        EXPECT_EQ(link.sslMode, mode);
        EXPECT_EQ(ServerSeesTls(*connection), "f");
    }
    {
        const EnvironmentOverride mode("PGSSLMODE", "disable");
        EXPECT_NE(Open(plain, failure), nullptr) << failure.message;
    }

    auto local = Open(Socket(PlainServer(), "tv_template"), failure);
    ASSERT_NE(local, nullptr) << failure.message;
    EXPECT_TRUE(local->Security().localSocket);
    EXPECT_FALSE(local->Security().encrypted);
}

TEST(Tls, OverTcpTheConnectionIsEncryptedAndARootCertificateVerifiesTheServer) {
    ScratchDatabase db;
    const std::string tcp = Tcp(RunningServer(), db.Name());
    const std::string tls = RunningServer().tlsFolder;
    pg::QueryResult failure;

    auto required = Open(tcp, failure);
    ASSERT_NE(required, nullptr) << failure.message;
    pg::LinkSecurity link = required->Security();
    EXPECT_TRUE(link.encrypted);
    EXPECT_EQ(link.protocol, "TLSv1.3");
    EXPECT_EQ(link.certificate, pg::CertificateCheck::None);
    EXPECT_EQ(link.sslMode, "require");
    EXPECT_EQ(ServerSeesTls(*required), "t");

    // A root named alone means verify-full: the right one passes, another root is refused.
    auto verified = Open(tcp + " sslrootcert=" + tls + "/root.crt", failure);
    ASSERT_NE(verified, nullptr) << failure.message;
    link = verified->Security();
    EXPECT_TRUE(link.encrypted);
    EXPECT_EQ(link.certificate, pg::CertificateCheck::AuthorityAndName);
    EXPECT_EQ(Open(tcp + " sslrootcert=" + tls + "/other.crt", failure), nullptr);
    EXPECT_NE(failure.message.find("certificate verify failed"), std::string::npos) << failure.message;
    // The server's certificate is made out to 127.0.0.1, not to localhost: only the name check notices.
    const std::string byName = "host=localhost port=" + std::to_string(RunningServer().port) +
                               " dbname=" + db.Name() + " user=" + kOwner + " password=" + kOwnerPassword +
                               " sslrootcert=" + tls + "/root.crt";
    EXPECT_EQ(Open(byName, failure), nullptr);
    auto chainOnly = Open(byName + " sslmode=verify-ca", failure);
    ASSERT_NE(chainOnly, nullptr) << failure.message;
    EXPECT_EQ(chainOnly->Security().certificate, pg::CertificateCheck::Authority);

    auto clear = Open(tcp + " sslmode=disable", failure);
    ASSERT_NE(clear, nullptr) << failure.message;
    EXPECT_FALSE(clear->Security().encrypted);
    EXPECT_EQ(ServerSeesTls(*clear), "f");

    auto local = Open(Socket(RunningServer(), db.Name()), failure);
    ASSERT_NE(local, nullptr) << failure.message;
    link = local->Security();
    EXPECT_TRUE(link.localSocket);
    EXPECT_FALSE(link.encrypted);
    EXPECT_EQ(link.certificate, pg::CertificateCheck::None);
}

}  // namespace
}  // namespace terrovane::testing
