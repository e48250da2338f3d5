#pragma once

#include <string>
#include <vector>

#include "MeasurementRecord.h"
#include "Quantity.h"

namespace terrovane::analysis {

// A stored result and where it comes from, for the notes ("slot 07", "result 1234").
struct SourcedRecord {
    std::string source;
    record::MeasurementRecord record;
    // Why the reading is doubtful (a high jamming voltage, high auxiliary resistances); empty when it is not.
    std::vector<std::string> doubtful;
};

// Why an analysis leaves out the value of `quantity` in the result, as a note naming it ("slot 07: Re >
// 300 kΩ is over range; left out"): over range (the instrument showed only a bound), invalid, not
// applicable, or doubtful (with the reasons). Empty when the value is measured and trusted.
std::string WhyLeftOut(format::Quantity quantity, const SourcedRecord& sourced);

}  // namespace terrovane::analysis
