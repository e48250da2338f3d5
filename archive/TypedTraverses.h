#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "Result.h"
#include "TypedTaking.h"

namespace terrovane::archive {

// One reading of a traverse: the potential probe's distance from the electrode in metres, the resistance
// read there in ohms.
struct TypedTraverseReading {
    double distance = 0;
    double resistance = 0;

    bool operator==(const TypedTraverseReading&) const = default;
};

// A fall-of-potential traverse measured with another instrument and typed in, kept with its test point.
struct TypedTraverse {
    std::int64_t id = 0;
    std::int64_t point = 0;
    std::string site;       // filled when read
    std::string pointName;  // filled when read
    double currentProbe = 0;
    std::vector<TypedTraverseReading> readings;  // in the order typed
    TypedTaking taking;
    std::string typedAt;  // ISO 8601, set when stored
};

// The most readings a traverse or a sounding takes: far more than any field sheet holds.
inline constexpr std::size_t kMostTypedReadings = 500;

// Empty when the traverse can be stored: a current-probe distance above 0, two to kMostTypedReadings
// readings, each distance and resistance a finite number above 0, no distance twice, and a taking
// TypedTakingProblem accepts. Otherwise what is wrong (a text of Problems.h with its arguments filled).
[[nodiscard]] std::optional<Failure> TypedTraverseProblem(const TypedTraverse& traverse,
                                                          const std::string& now);

// Stores the traverse with its point in one unit of work; its id.
Result<std::int64_t> AddTypedTraverse(Archive& archive, const TypedTraverse& traverse);
// The point's typed traverses, newest measured first.
Result<std::vector<TypedTraverse>> TypedTraverses(Archive& archive, std::int64_t point);
Result<TypedTraverse> TypedTraverseById(Archive& archive, std::int64_t id);

}  // namespace terrovane::archive
