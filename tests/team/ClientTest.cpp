// The libpq wrapper against the real server: values travel as parameters, errors are classed by what the
// server says, lost connections, refused sign-ins, timeouts, libpq's own environment.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "Connection.h"
#include "TestEnvironment.h"
#include "TestServer.h"

namespace terrovane::testing {
namespace {

using pg::ErrorClass;

TEST(PgClientTest, ValuesTravelAsParametersByteForByte) {
    ScratchDatabase db;
    auto connection = db.Superuser();
    ASSERT_NE(connection, nullptr);
    const std::string hostile = "'); DROP DATABASE postgres; -- \\ \"quoted\" 中文";
    const pg::QueryResult echoed =
        connection->Query("SELECT $1::text, $2::text IS NULL, length($1)", {hostile, std::nullopt});
    ASSERT_TRUE(echoed.Ok()) << echoed.message;
    ASSERT_EQ(echoed.rows.size(), 1u);
    EXPECT_EQ(echoed.rows[0][0], hostile);
    EXPECT_EQ(echoed.rows[0][1], "t");
    EXPECT_EQ(echoed.columns.size(), 3u);

    const pg::QueryResult nullRow = connection->Query("SELECT NULL::text");
    ASSERT_TRUE(nullRow.Ok());
    EXPECT_FALSE(nullRow.rows[0][0].has_value());
    EXPECT_EQ(nullRow.Scalar(), "");
}

TEST(PgClientTest, ServerErrorsAreClassedByTheirSqlState) {
    ScratchDatabase db;
    auto connection = db.Superuser();
    ASSERT_NE(connection, nullptr);
    ASSERT_TRUE(connection->Query("CREATE TABLE things (id int PRIMARY KEY, name text NOT NULL)").Ok());
    ASSERT_TRUE(connection->Query("INSERT INTO things VALUES (1, 'a')").Ok());

    const pg::QueryResult duplicate = connection->Query("INSERT INTO things VALUES (1, 'b')");
    EXPECT_EQ(duplicate.error, ErrorClass::Rejected);
    EXPECT_EQ(duplicate.sqlState, "23505");
    EXPECT_NE(duplicate.Explained().find("already exists"), std::string::npos) << duplicate.Explained();

    const pg::QueryResult missing = connection->Query("INSERT INTO things VALUES (2, NULL)");
    EXPECT_EQ(missing.error, ErrorClass::Rejected);

    ASSERT_TRUE(connection->Query("CREATE ROLE " + db.Login("nobody")).Ok());
    ASSERT_TRUE(connection->Query("SET ROLE " + db.Login("nobody")).Ok());
    const pg::QueryResult denied = connection->Query("SELECT * FROM things");
    EXPECT_EQ(denied.error, ErrorClass::Rejected);
    EXPECT_EQ(denied.sqlState, "42501");
    ASSERT_TRUE(connection->Query("RESET ROLE").Ok());

    const pg::QueryResult fault = connection->Query("SELECT 1 / 0");
    EXPECT_EQ(fault.error, ErrorClass::Failed);
    EXPECT_EQ(fault.sqlState, "22012");
    EXPECT_TRUE(connection->Query("SELEKT").error == ErrorClass::Failed);
    EXPECT_TRUE(connection->Alive());
}

TEST(PgClientTest, AConcurrentUpdateAsksForTheTransactionAgainAndInTransactionRunsItAgain) {
    ScratchDatabase db;
    auto connection = db.Superuser();
    auto other = db.Superuser();
    ASSERT_NE(connection, nullptr);
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(connection->RunScript("CREATE TABLE counter (n int); INSERT INTO counter VALUES (0)").Ok());
    int attempts = 0;
    const pg::QueryResult result = pg::InTransaction(*connection, [&](pg::Connection& in) {
        ++attempts;
        const pg::QueryResult seen = in.Query("SELECT n FROM counter");  // takes the snapshot
        if (attempts == 1) {
            // Another session changes the row after this transaction's snapshot: updating it now is a
            // serialization failure under repeatable read.
            EXPECT_TRUE(other->Query("UPDATE counter SET n = n + 10").Ok());
        }
        return seen.Ok() ? in.Query("UPDATE counter SET n = n + 1") : seen;
    });
    ASSERT_TRUE(result.Ok()) << result.message;
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(connection->Query("SELECT n FROM counter").Scalar(), "11");
}

TEST(PgClientTest, ADeadlockIsRetryTheTransaction) {
    ScratchDatabase db;
    auto first = db.Superuser();
    auto second = db.Superuser();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(first->RunScript("CREATE TABLE r (id int PRIMARY KEY); INSERT INTO r VALUES (1), (2)").Ok());
    for (auto* c : {first.get(), second.get()}) {
        ASSERT_TRUE(c->Query("SET deadlock_timeout = '50ms'").Ok());
        ASSERT_TRUE(c->Query("BEGIN").Ok());
    }
    ASSERT_TRUE(first->Query("SELECT * FROM r WHERE id = 1 FOR UPDATE").Ok());
    ASSERT_TRUE(second->Query("SELECT * FROM r WHERE id = 2 FOR UPDATE").Ok());
    pg::QueryResult firstResult;
    std::thread waiting([&] { firstResult = first->Query("SELECT * FROM r WHERE id = 2 FOR UPDATE"); });
    const pg::QueryResult secondResult = second->Query("SELECT * FROM r WHERE id = 1 FOR UPDATE");
    if (!secondResult.Ok()) {
        ASSERT_TRUE(second->Query("ROLLBACK").Ok());
    }
    waiting.join();
    const pg::QueryResult& loser = secondResult.Ok() ? firstResult : secondResult;
    EXPECT_EQ(loser.sqlState, "40P01");
    EXPECT_EQ(loser.error, ErrorClass::RetryTransaction);
}

TEST(PgClientTest, AConnectionCutByTheServerIsLostAndTheNextStatementSaysSo) {
    ScratchDatabase db;
    auto victim = db.Superuser();
    auto admin = db.Superuser();
    ASSERT_NE(victim, nullptr);
    const std::string pid = victim->Query("SELECT pg_backend_pid()").Scalar();
    ASSERT_TRUE(admin->Query("SELECT pg_terminate_backend($1::int, 5000)", {pid}).Ok());
    const pg::QueryResult after = victim->Query("SELECT 1");
    EXPECT_EQ(after.error, ErrorClass::ConnectionLost) << after.message;
    EXPECT_FALSE(victim->Alive());
}

TEST(PgClientTest, AStatementPastItsTimeLimitIsATimeout) {
    ScratchDatabase db;
    pg::ConnectOptions options;
    options.conninfo = db.SuperuserConninfo();
    options.statementTimeout = std::chrono::milliseconds(100);
    pg::QueryResult failure;
    auto connection = pg::Connection::Open(options, failure);
    ASSERT_NE(connection, nullptr) << failure.message;
    // Ten seconds of sleep ended as a timeout: the server cancelled it at the limit, not at its end.
    const pg::QueryResult slow = connection->Query("SELECT pg_sleep(10)");
    EXPECT_EQ(slow.error, ErrorClass::Timeout);
    EXPECT_TRUE(connection->Alive());
    // The connection string's own setting wins over the default.
    options.conninfo = db.SuperuserConninfo() + " options='-c statement_timeout=4321'";
    connection = pg::Connection::Open(options, failure);
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(connection->Query("SHOW statement_timeout").Scalar(), "4321ms");
}

TEST(PgClientTest, SignInFailuresSayWhyAndAreNotRetried) {
    ScratchDatabase db;
    auto admin = db.Superuser();
    ASSERT_TRUE(admin->Query("CREATE ROLE " + db.Login("ann") + " LOGIN PASSWORD 'right'").Ok());
    pg::ConnectOptions options;
    pg::QueryResult failure;

    options.conninfo = db.TcpConninfo(db.Login("ann"), "wrong");
    EXPECT_EQ(pg::Connection::Open(options, failure), nullptr);
    EXPECT_EQ(failure.error, ErrorClass::SignInRefused);
    EXPECT_NE(failure.message.find("password authentication failed"), std::string::npos) << failure.message;

    options.conninfo = db.TcpConninfo(db.Login("ann"), "right");
    auto connection = pg::Connection::Open(options, failure);
    ASSERT_NE(connection, nullptr) << failure.message;
    EXPECT_EQ(connection->User(), db.Login("ann"));
    EXPECT_EQ(connection->Query("SHOW application_name").Scalar(), "terrovane");

    options.conninfo = "host=127.0.0.1 colour=blue";
    EXPECT_EQ(pg::Connection::Open(options, failure), nullptr);
    EXPECT_EQ(failure.error, ErrorClass::Failed);
    EXPECT_NE(failure.message.find("not valid"), std::string::npos) << failure.message;
}

TEST(PgClientTest, AServerThatIsNotThereIsRetryLater) {
    pg::ConnectOptions options;
    // The test server's port with the server's socket folder replaced by an empty one: nothing listens.
    const std::filesystem::path empty =
        std::filesystem::temp_directory_path() / ("tv-nopg-" + std::to_string(::getpid()));
    std::filesystem::create_directories(empty);
    options.conninfo =
        "host=" + empty.string() + " port=" + std::to_string(RunningServer().port) + " dbname=x";
    options.connectTimeout = std::chrono::seconds(2);
    pg::QueryResult failure;
    EXPECT_EQ(pg::Connection::Open(options, failure), nullptr);
    EXPECT_EQ(failure.error, ErrorClass::ConnectionLost) << failure.message;
    std::filesystem::remove_all(empty);
}

TEST(PgClientTest, LibpqsEnvironmentAndPasswordFileFillWhatTheConnectionStringLeavesOpen) {
    ScratchDatabase db;
    auto admin = db.Superuser();
    ASSERT_TRUE(admin->Query("CREATE ROLE " + db.Login("env") + " LOGIN PASSWORD 'from-file'").Ok());
    const std::string home = std::getenv("HOME");
    const std::string passfile = home + "/.pgpass";
    {
        std::ofstream out(passfile);
        out << "127.0.0.1:" << RunningServer().port << ":" << db.Name() << ":" << db.Login("env")
            << ":from-file\n";
    }
    std::filesystem::permissions(passfile,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    const EnvironmentOverride host("PGHOST", "127.0.0.1");
    const EnvironmentOverride port("PGPORT", std::to_string(RunningServer().port));
    const EnvironmentOverride user("PGUSER", db.Login("env"));
    const EnvironmentOverride database("PGDATABASE", db.Name());
    const EnvironmentOverride name("PGAPPNAME", "from-environment");
    pg::QueryResult failure;
    auto connection = pg::Connection::Open(pg::ConnectOptions{}, failure);
    std::filesystem::remove(passfile);
    ASSERT_NE(connection, nullptr) << failure.message;
    EXPECT_EQ(connection->User(), db.Login("env"));
    EXPECT_EQ(connection->Query("SHOW application_name").Scalar(), "from-environment");
}

TEST(PgClientTest, VerifyFullConnectsWithTheRightRootAndNeverFallsBack) {
    ScratchDatabase db;
    auto admin = db.Superuser();
    ASSERT_TRUE(admin->Query("CREATE ROLE " + db.Login("tls") + " LOGIN PASSWORD 'pw'").Ok());
    const std::string tls = RunningServer().tlsFolder;
    const std::string base = db.TcpConninfo(db.Login("tls"), "pw") + " sslmode=verify-full sslrootcert=";
    pg::ConnectOptions options;
    pg::QueryResult failure;

    options.conninfo = base + tls + "/root.crt";
    auto connection = pg::Connection::Open(options, failure);
    ASSERT_NE(connection, nullptr) << failure.message;
    EXPECT_EQ(connection->Query("SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()").Scalar(), "t");

    options.conninfo = base + tls + "/other.crt";
    EXPECT_EQ(pg::Connection::Open(options, failure), nullptr);
    EXPECT_EQ(failure.error, ErrorClass::Failed);
    EXPECT_NE(failure.message.find("certificate verify failed"), std::string::npos) << failure.message;

    // The right root, but the server is reached under a name its certificate does not carry.
    options.conninfo = "host=localhost hostaddr=127.0.0.1 port=" + std::to_string(RunningServer().port) +
                       " dbname=" + db.Name() + " user=" + db.Login("tls") +
                       " password=pw sslmode=verify-full sslrootcert=" + tls + "/root.crt";
    EXPECT_EQ(pg::Connection::Open(options, failure), nullptr);
    EXPECT_EQ(failure.error, ErrorClass::Failed);
    EXPECT_NE(failure.message.find("does not match host name"), std::string::npos) << failure.message;
}

}  // namespace
}  // namespace terrovane::testing
