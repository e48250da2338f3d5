#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Members.h"
#include "SchemaSetup.h"
#include "ServerSchema.h"
#include "TestServer.h"
#include "TextArray.h"

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

// One slot's 72 bytes as the instrument sends a stored result (markers and the valid mark in place), made
// different by `seed`; in hex.
inline std::string PacketHex(int seed) {
    static const char* const kHex = "0123456789abcdef";
    std::string hex;
    for (int i = 0; i < 72; ++i) {
        int byte = (seed * 31 + i * 7) & 0xFF;
        if (i == 0 || i == 68) {
            byte = 'O';
        } else if (i == 1 || i == 69) {
            byte = 'K';
        } else if (i == 67) {
            byte = 'U';
        }
        hex += kHex[byte >> 4];
        hex += kHex[byte & 0x0F];
    }
    return hex;
}

// A read-out whose first slots hold the results of the seeds, the rest empty.
struct TestReadOut {
    std::string readAt;
    std::string port = "/dev/ttyUSB0";
    std::string imageHex;
    std::string key;
    std::vector<std::string> resultKeys;
};

// Made with the server's digest, as an archive makes its keys.
inline TestReadOut MakeReadOut(pg::Connection& connection, const std::string& readAt,
                               const std::vector<int>& seeds) {
    TestReadOut readOut;
    readOut.readAt = readAt;
    for (const int seed : seeds) {
        readOut.imageHex += PacketHex(seed);
        readOut.resultKeys.push_back(
            connection.Query("SELECT encode(sha256(decode($1, 'hex')), 'hex')", {PacketHex(seed)}).Scalar());
    }
    readOut.imageHex += std::string(2 * 72 * (100 - seeds.size()), '0');
    readOut.key = connection
                      .Query("SELECT encode(sha256(convert_to($1, 'UTF8') || decode($2, 'hex')), 'hex')",
                             {readOut.readAt + "\n" + readOut.port + "\n", readOut.imageHex})
                      .Scalar();
    return readOut;
}

// The read-out's content change, its image the `image`-th of the push's images.
inline std::string ReadOutChange(const TestReadOut& readOut, int image) {
    return R"({"type":"content","kind":"readout","key":")" + readOut.key +
           R"(","site":null,"body":{"read_at":")" + readOut.readAt + R"(","port":")" + readOut.port +
           R"("},"image":)" + std::to_string(image) + "}";
}

// A push with images (hex), as the archives send read-outs.
inline pg::QueryResult PushImages(pg::Connection& connection, const std::string& device, long long batch,
                                  const std::string& changesJson, const std::vector<std::string>& imagesHex) {
    return connection.Query(
        "SELECT terrovane.push($1, $2::uuid, $3::bigint, $4::jsonb, (SELECT array_agg(decode(h, 'hex') ORDER "
        "BY n) FROM unnest($5::text[]) WITH ORDINALITY AS u(h, n))::bytea[])",
        {std::to_string(team::kServerLayout), device, std::to_string(batch), changesJson,
         pg::TextArray(imagesHex)});
}

// The id an archive gives a result's assignment or note ("assignment:result:<key>", "note:result:<key>").
inline std::string DerivedId(pg::Connection& owner, const std::string& name) {
    return owner.Query("SELECT terrovane.derived_uuid($1)::text", {name}).Scalar();
}

// A new point's fields, its site among them.
inline std::string PointChanges(const std::string& point, const std::string& site, const std::string& name,
                                const std::string& stamp) {
    return FieldChange("point", point, site, "site", "\"" + site + "\"", stamp) + "," +
           FieldChange("point", point, site, "name", "\"" + name + "\"", stamp);
}

// A result assigned to a point.
inline std::string AssignmentChanges(pg::Connection& owner, const std::string& resultKey,
                                     const std::string& point, const std::string& stamp) {
    const std::string id = DerivedId(owner, "assignment:result:" + resultKey);
    return FieldChange("assignment", id, "", "result", "\"" + resultKey + "\"", stamp) + "," +
           FieldChange("assignment", id, "", "point", point.empty() ? "null" : "\"" + point + "\"", stamp);
}

// The rows of a pull page after `cursor` as "kind:field-or-id", moving the cursor.
inline std::vector<std::string> PullPage(pg::Connection& connection, std::string& cursor) {
    const pg::QueryResult page =
        connection.Query("SELECT ord, kind, coalesce(field, id) FROM terrovane.pull($1, $2::bigint, 1000)",
                         {std::to_string(team::kServerLayout), cursor});
    EXPECT_TRUE(page.Ok()) << page.Explained();
    std::vector<std::string> seen;
    for (const auto& row : page.rows) {
        cursor = *row[0];
        seen.push_back(*row[1] + ":" + *row[2]);
    }
    return seen;
}

inline constexpr const char* kDeviceA = "aaaaaaaa-0000-4000-8000-000000000001";
inline constexpr const char* kDeviceB = "bbbbbbbb-0000-4000-8000-000000000002";
inline constexpr const char* kSiteNorth = "11111111-1111-4111-8111-111111111111";
inline constexpr const char* kSiteSouth = "22222222-2222-4222-8222-222222222222";
inline constexpr const char* kPoint = "33333333-3333-4333-8333-333333333333";

}  // namespace terrovane::testing
