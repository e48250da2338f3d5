#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "MeasurementRecord.h"

namespace terrovane::archive {

// The measuring date of a result as YYYY-MM-DD when its BCD bytes make a real calendar date; nullopt
// for anything else (a month byte 0x1A would otherwise read as month 20). Such a result is still kept
// and shown as the instrument wrote it, but never counts as a test on a date.
std::optional<std::string> ValidMeasuringDate(const record::MeasurementRecord& record);

// Year, month, day, hour, minute and second bytes exactly as the instrument stored them.
std::array<std::uint8_t, 6> MeasuringBytes(const record::MeasurementRecord& record);

}  // namespace terrovane::archive
