#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Members.h"
#include "SchemaSetup.h"
#include "ServerSchema.h"
#include "TestServer.h"

namespace terrovane::testing {

// A scratch database with the team schema made by its owner, and a way to add members and sign in as them.
class TeamDatabase : public ::testing::Test {
  protected:
    void SetUp() override {
        owner_ = db_.Owner();
        ASSERT_NE(owner_, nullptr);
        const team::SetupResult setup = team::SetUpSchema(*owner_);
        ASSERT_EQ(setup.outcome, team::SetupOutcome::Created) << setup.failure.Explained();
    }

    // Adds `who` (its login is named after the database) with the password "pw-<who>"; returns the login.
    std::string Member(const std::string& who, team::MemberRole role, std::vector<std::string> sites = {}) {
        team::NewMember member{db_.Login(who), role, "pw-" + who, std::move(sites)};
        const pg::QueryResult added = team::AddMember(*owner_, member);
        EXPECT_TRUE(added.Ok()) << added.Explained();
        return member.login;
    }

    std::unique_ptr<pg::Connection> SignIn(const std::string& who) {
        return db_.As(db_.Login(who), "pw-" + who);
    }

    ScratchDatabase db_;
    std::unique_ptr<pg::Connection> owner_;
};

// "001733745600123-00002-<device>", as the archives stamp their changes.
inline std::string Stamp(long long millis, int counter, const std::string& device) {
    std::string m = std::to_string(millis);
    std::string c = std::to_string(counter);
    return std::string(15 - m.size(), '0') + m + "-" + std::string(5 - c.size(), '0') + c + "-" + device;
}

inline long long NowMillis() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// One field change of a push batch (value as JSON text).
inline std::string FieldChange(const std::string& kind, const std::string& id, const std::string& site,
                               const std::string& field, const std::string& valueJson,
                               const std::string& stamp, const std::string& base = {}) {
    return R"({"type":"field","kind":")" + kind + R"(","id":")" + id + R"(","site":)" +
           (site.empty() ? std::string("null") : "\"" + site + "\"") + R"(,"field":")" + field +
           R"(","value":)" + valueJson + R"(,"stamp":")" + stamp + "\"" +
           (base.empty() ? std::string() : R"(,"base":")" + base + "\"") + "}";
}

inline std::string ContentChange(const std::string& kind, const std::string& key,
                                 const std::string& bodyJson) {
    return R"({"type":"content","kind":")" + kind + R"(","key":")" + key + R"(","site":null,"body":)" +
           bodyJson + "}";
}

// The server's answer to one batch, as JSON text.
inline pg::QueryResult Push(pg::Connection& connection, const std::string& device, long long batch,
                            const std::string& changesJson) {
    return connection.Query(
        "SELECT terrovane.push($1, $2::uuid, $3::bigint, $4::jsonb)",
        {std::to_string(team::kServerLayout), device, std::to_string(batch), changesJson});
}

// One value out of a JSON text by its path ("{changes,0,outcome}").
inline std::string JsonAt(pg::Connection& connection, const std::string& json, const std::string& path) {
    return connection.Query("SELECT $1::jsonb #>> $2::text[]", {json, path}).Scalar();
}

inline constexpr const char* kDeviceA = "aaaaaaaa-0000-4000-8000-000000000001";
inline constexpr const char* kDeviceB = "bbbbbbbb-0000-4000-8000-000000000002";
inline constexpr const char* kSiteNorth = "11111111-1111-4111-8111-111111111111";
inline constexpr const char* kSiteSouth = "22222222-2222-4222-8222-222222222222";
inline constexpr const char* kPoint = "33333333-3333-4333-8333-333333333333";

}  // namespace terrovane::testing
