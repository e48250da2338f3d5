#pragma once

#include <cstddef>
#include <string>

#include "MeasurementRecord.h"

namespace terrovane::format {

// What an erase question names under its question, so the user sees what goes before saying OK.
// One result: "Result to erase: slot 07, 3Pole, Re 12.34 Ω, 2009-01-23 10:11:12".
std::string EraseOneDetails(std::size_t slot, const record::MeasurementRecord& record);
// All results: "Results to erase: all 12 stored results." (or "the 1 stored result.").
std::string EraseAllDetails(std::size_t storedCount);

// The result's main value with its name and unit ("Re 12.34 Ω", "ρ 1.25 kΩ·m"); the name and "no valid
// reading" when the instrument stored none.
std::string MainValueText(const record::MeasurementRecord& record);

}  // namespace terrovane::format
