#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "MeasurementRecord.h"

namespace terrovane::exporting {

constexpr std::size_t kExportColumns = 18;
using RowTexts = std::array<std::string, kExportColumns>;

// The header row's texts (UTF-8), column by column.
const RowTexts& HeaderTexts();

// The texts of one record's row (UTF-8): slot number, mode name, date, time, then the cell texts of the
// quantities; "" leaves a cell empty.
RowTexts RecordRowTexts(std::size_t slot, const record::MeasurementRecord& record);

}  // namespace terrovane::exporting
