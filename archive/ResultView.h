#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ArchiveTypes.h"
#include "ExportColumns.h"
#include "MeasurementRecord.h"
#include "Quantity.h"

namespace terrovane::archive {

// The quantities of the "values" of a result, in their order, with the names they go by.
struct NamedQuantity {
    const char* name;
    format::Quantity quantity;
};
inline constexpr std::size_t kValueNames = 14;
const std::array<NamedQuantity, kValueNames>& ValueQuantities();

// One result as the outputs show it: where it came from, the workbook row's 18 texts and its values.
struct ResultView {
    std::optional<std::int64_t> id;       // unset for a result that was not archived
    std::optional<std::int64_t> readout;  // the first read-out that brought it
    std::string readAt;
    std::string port;
    int slot = 0;
    std::uint32_t mode = 0;
    std::string modeName;
    std::string date;
    std::string time;
    std::string label;
    std::string note;
    exporting::RowTexts cells;
    std::array<std::optional<double>, kValueNames> values{};  // unset: absent or invalid
};

ResultView DescribeRecord(int slot, const record::MeasurementRecord& record);
ResultView DescribeResult(const ResultRow& row);

// The number of one quantity as the outputs give it; unset where it does not apply or is invalid.
std::optional<double> QuantityNumber(format::Quantity quantity, const record::MeasurementRecord& record);

// The quantity a trend of the mode follows: Re, Rac, R1, Resistivity or Iac.
using format::MainQuantity;

}  // namespace terrovane::archive
