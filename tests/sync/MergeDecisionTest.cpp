// The sync's merge decisions without an archive or a server: which value of a field wins, when a value
// made here is listed as a conflict, what a batch holds of a thing.
#include <gtest/gtest.h>

#include "MergeDecision.h"

namespace terrovane::sync {
namespace {

constexpr const char* kEarly = "000000000001000-00000-aaaaaaaa-0000-4000-8000-000000000001";
constexpr const char* kLate = "000000000002000-00000-bbbbbbbb-0000-4000-8000-000000000002";

FieldSides Sides(std::optional<std::string> here, std::optional<FieldBase> base, bool pending,
                 const std::string& hereStamp, const std::string& incoming,
                 const std::string& incomingStamp) {
    return {std::move(here), std::move(base), pending, hereStamp, incoming, incomingStamp};
}

TEST(MergeDecisionTest, TheIncomingValueWinsUnlessThisPcChangedTheFieldLater) {
    const FieldBase base{"\"North\"", kEarly};
    // Nothing changed here, or not held here: the server's value is taken.
    EXPECT_EQ(DecideField(Sides("\"North\"", base, false, kEarly, "\"N2\"", kLate)),
              FieldVerdict::TakeIncoming);
    EXPECT_EQ(DecideField(Sides(std::nullopt, std::nullopt, false, "", "\"N2\"", kLate)),
              FieldVerdict::TakeIncoming);
    // Changed here, later than the incoming change: it stays and goes with the next push.
    EXPECT_EQ(DecideField(Sides("\"Mine\"", base, true, kLate, "\"Theirs\"", kEarly)),
              FieldVerdict::KeepHere);
    // Changed here, earlier: the incoming value wins and the one made here is listed.
    EXPECT_EQ(DecideField(Sides("\"Mine\"", base, true, kEarly, "\"Theirs\"", kLate)),
              FieldVerdict::TakeIncomingConflict);
    // A change here of another field of the thing leaves this field to the incoming value, without a
    // conflict.
    EXPECT_EQ(DecideField(Sides("\"North\"", base, true, kLate, "\"Theirs\"", kEarly)),
              FieldVerdict::TakeIncoming);
    // Both PCs made the same value: nothing to list.
    EXPECT_EQ(DecideField(Sides("\"Same\"", base, true, kEarly, "\"Same\"", kLate)),
              FieldVerdict::TakeIncoming);
    // A thing the server never had, made here and there alike with other values: listed as well.
    EXPECT_EQ(DecideField(Sides("\"Mine\"", std::nullopt, true, kEarly, "\"Theirs\"", kLate)),
              FieldVerdict::TakeIncomingConflict);
}

TEST(MergeDecisionTest, AChangeOfThisPcComingBackIsNoNews) {
    const FieldBase base{"\"North\"", kEarly};
    EXPECT_FALSE(IsNews(base, "\"North\"", kEarly));
    EXPECT_TRUE(IsNews(base, "\"North\"", kLate));
    EXPECT_TRUE(IsNews(base, "\"N2\"", kEarly));
    EXPECT_TRUE(IsNews(std::nullopt, "\"North\"", kEarly));
}

TEST(MergeDecisionTest, ABatchHoldsTheFieldsThatDifferFromTheServers) {
    const std::map<std::string, std::string> here{
        {"name", "\"North\""}, {"address", "\"Road 1\""}, {"notes", "null"}};
    EXPECT_EQ(FieldsToSend(here, {}), (std::vector<std::string>{"address", "name", "notes"}));
    const std::map<std::string, FieldBase> base{{"name", {"\"North\"", kEarly}},
                                                {"address", {"\"Road 2\"", kEarly}}};
    EXPECT_EQ(FieldsToSend(here, base), (std::vector<std::string>{"address", "notes"}));
}

}  // namespace
}  // namespace terrovane::sync
