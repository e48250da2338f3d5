#pragma once

#include <array>
#include <string>

#include "Quantity.h"

namespace terrovane::format {

// The workbook cell text of one quantity: self-contained, with "k" and ">" written in; "" for an empty cell.
std::string FormatCellText(Quantity quantity, const MeasurementRecord* record);

// The value columns of a workbook row and a report row, in order: they follow the slot, mode, date and time.
inline constexpr std::size_t kFirstValueColumn = 4;
inline constexpr std::array<Quantity, 14> kValueColumns = {
    Quantity::TestVoltage,
    Quantity::TestFrequency,
    Quantity::Re,
    Quantity::Rs,
    Quantity::Rh,
    Quantity::Rac,
    Quantity::R1,
    Quantity::R2,
    Quantity::Resistivity,
    Quantity::Rk,
    Quantity::JammingFrequency,
    Quantity::JammingVoltage,
    Quantity::Iac,
    Quantity::Distance,
};

}  // namespace terrovane::format
