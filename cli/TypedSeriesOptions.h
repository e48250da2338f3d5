#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "Command.h"
#include "TypedTaking.h"
#include "TypedValue.h"

namespace terrovane::cli {

// The options every typed traverse and sounding takes beside its readings: --date, --instrument, --by,
// --note.
std::vector<DeclaredOption> TakingOptions();

// The taking the options give, checked; false after a usage message naming `command`.
bool ParseTaking(const std::string& command, const ParsedArguments& options, archive::TypedTaking& taking);

// One "WHERE=VALUE[UNIT]" reading: the distance or spacing in metres (a decimal point whatever the
// locale) and the value in the base unit of its quantity. `quantity` unset: the unit says which, and one
// is needed. A value over range is refused: it is no reading a curve can pass through.
struct SeriesReading {
    double where = 0;
    double value = 0;
    archive::TypedQuantity quantity = archive::TypedQuantity::Resistance;
};
// False after a usage message naming `command` and the text.
bool ParseSeriesReading(const std::string& command, const std::string& text,
                        std::optional<archive::TypedQuantity> quantity, SeriesReading& reading);

// The point of "SITE/POINT" (the last "/" separates them); nullopt after a message.
std::optional<std::int64_t> SeriesPoint(const std::string& command, archive::Archive& store,
                                        const std::string& target);

// An id as the listings print it; nullopt after a usage message.
std::optional<std::int64_t> SeriesId(const std::string& command, const std::string& text);

}  // namespace terrovane::cli
