#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace terrovane::sync {

// The merge decisions of a sync as plain functions over typed values: no archive, no server. Values are
// JSON texts in the archive's one rendering; stamps sort as the changes happened.

// A field as the server last had it: the base of a change made here.
struct FieldBase {
    std::string value;
    std::string stamp;
};

// One field of a thing, as a pull meets it.
struct FieldSides {
    std::optional<std::string> here;  // the value held here; none when the thing or field is not here
    std::optional<FieldBase> base;    // as the server last had it; none when it never had it
    bool pendingHere = false;         // a change of the thing made here waits to be sent (or was refused)
    std::string hereStamp;            // the stamp of the latest change of the thing here
    std::string incomingValue;
    std::string incomingStamp;
};

enum class FieldVerdict {
    KeepHere,              // the change made here is later: it stays, and goes with the next push
    TakeIncoming,          // the incoming value is written here
    TakeIncomingConflict,  // written here, and the value made here is listed as the conflict's loser
};

// Which value wins a field: the incoming one, unless this PC changed the field itself (away from its
// base) with a later stamp; when both changed it, the one that loses is listed.
FieldVerdict DecideField(const FieldSides& sides);

// Whether the incoming value is news here (not the server's value this archive had already, e.g. a change
// of this PC coming back).
bool IsNews(const std::optional<FieldBase>& base, const std::string& incomingValue,
            const std::string& incomingStamp);

// What a batch holds of a thing: its fields whose value here differs from the server's (all of them when
// the server never had the thing).
std::vector<std::string> FieldsToSend(const std::map<std::string, std::string>& here,
                                      const std::map<std::string, FieldBase>& base);

}  // namespace terrovane::sync
