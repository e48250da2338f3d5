#pragma once

#include <cstdint>

#include "MeasurementRecord.h"

namespace terrovane::testing {

// A valid reading of `mode` whose main value is `main`; its other values are the same every time.
inline record::MeasurementRecord SampleRecord(std::uint32_t mode, float main) {
    record::MeasurementRecord r;
    r.mode = mode;
    r.voltageCode = 1;
    r.frequencyCode = 1;
    r.validMark = 'U';
    r.values = {main, 1520, 87200, 0, 0, 0, 0, 0.04f, 50.0f, 12.6f, 0};
    return r;
}

}  // namespace terrovane::testing
