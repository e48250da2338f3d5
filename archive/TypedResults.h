#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "Result.h"
#include "SiteTypes.h"
#include "TypedValue.h"

namespace terrovane::archive {

// A result typed by hand, as the person gives it.
struct TypedResultFields {
    std::int64_t point = 0;
    std::string method;  // a code of TypedMethods()
    std::vector<TypedValue> values;
    std::string measured;    // "YYYY-MM-DD HH:MM", local time as the instrument keeps it
    std::string instrument;  // make, model, serial: as typed
    std::string measuredBy;
    std::string note;
    std::string typedBy;
};

// One stored version of a typed result.
struct TypedResultVersion {
    std::int64_t id = 0;
    std::string uuid;
    std::string firstVersion;  // the uuid of the result's first version: every version of it shares it
    std::optional<std::int64_t> replaces;    // the version it corrects
    std::optional<std::int64_t> replacedBy;  // its correction; unset for the newest, which is the result
    std::optional<std::int64_t> point;       // unset once its point was deleted
    std::string site;
    std::string pointName;
    std::optional<Limit> limit;  // the limit that applies at its point
    std::string date;            // YYYY-MM-DD
    std::string time;            // HH:MM:SS
    std::string typedAt;         // ISO 8601, set when stored
    TypedResultFields fields;
};

// Empty when the fields can be stored: a known method, its main value given, every value one it takes and
// none twice, a real measuring date and time not after `now` ("YYYY-MM-DD HH:MM"), texts not too long.
// Otherwise what is wrong (a text of Problems.h with its arguments filled).
[[nodiscard]] std::optional<Failure> TypedResultProblem(const TypedResultFields& fields,
                                                        const std::string& now);

// Who types a result on this machine: the account the program runs under, from the password database rather
// than the environment, which anyone can set.
std::string TypingAccount();

// The local time now as "YYYY-MM-DD HH:MM".
std::string NowMinute();

// Stores a new typed result at its point in one unit of work; the id of its first version.
Result<std::int64_t> AddTypedResult(Archive& archive, const TypedResultFields& fields);
// Stores a correction of the version `id` as a new version that replaces it; the old one stays. Only the
// newest version of a result can be corrected. The id of the new version.
Result<std::int64_t> CorrectTypedResult(Archive& archive, std::int64_t id, const TypedResultFields& fields);

// One version by its id, whatever its place in its chain.
Result<TypedResultVersion> TypedResultById(Archive& archive, std::int64_t id);
// Every version of the result the version `id` belongs to, newest first.
Result<std::vector<TypedResultVersion>> TypedResultHistory(Archive& archive, std::int64_t id);
// The typed results (their newest versions) the filter keeps, newest measured first. Its dates, site, point
// and unassigned apply; a filter on a mode, a label or a read-out keeps none, as a typed result has none.
Result<std::vector<TypedResultVersion>> TypedResults(Archive& archive, const ResultFilter& filter);

}  // namespace terrovane::archive
