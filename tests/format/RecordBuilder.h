#pragma once

#include <cmath>

#include "MeasurementRecord.h"

namespace terrovane::format::testing {

// A record of `mode` at 20 V / 94 Hz with one value set.
inline record::MeasurementRecord MakeRecord(std::uint32_t mode, record::ValueIndex index = record::kRe,
                                            float value = 0) {
    record::MeasurementRecord r;
    r.mode = mode;
    r.voltageCode = 1;
    r.frequencyCode = 1;
    r.validMark = 'U';
    r.values[index] = value;
    return r;
}

}  // namespace terrovane::format::testing
