#pragma once

#include <string>

#include "Quantity.h"

namespace terrovane::format {

// The workbook cell text of one quantity: self-contained, with "k" and ">" written in; "" for an empty cell.
std::string FormatCellText(Quantity quantity, const MeasurementRecord* record);

}  // namespace terrovane::format
