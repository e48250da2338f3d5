#pragma once

#include <optional>
#include <string_view>

#include "SourceTable.h"

namespace terrovane::imports {

// True when the table's numbers written as text use a decimal comma: some text cell reads as digits, a
// comma and digits (after an over-range mark, before a unit) and none as digits, a point and digits.
bool WritesDecimalComma(const SourceTable& table);

// A number as a file writes it: the whole text, with a decimal point, or a decimal comma when
// `decimalComma` (then a point is refused, as it would be a thousands separator or a mistake).
std::optional<double> FileNumber(std::string_view text, bool decimalComma);

}  // namespace terrovane::imports
