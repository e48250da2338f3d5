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
#include "Reading.h"
#include "Verdict.h"

namespace terrovane::archive {

// The quantities of the "values" of a result, in their order, with the names they go by.
struct NamedQuantity {
    const char* name;
    format::Quantity quantity;
};
inline constexpr std::size_t kValueNames = 14;
const std::array<NamedQuantity, kValueNames>& ValueQuantities();

// What marks a result typed by hand in the outputs: which typed result (its version), how it was measured,
// with which instrument, by whom, and who typed it when.
struct TypedMark {
    std::int64_t version = 0;
    std::string method;
    std::string instrument;
    std::string measuredBy;
    std::string typedBy;
    std::string typedAt;
};

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
    // Each value as the instrument showed it: only a measured one is a number.
    std::array<format::Reading, kValueNames> readings{};
    std::string site;  // the test point it is assigned to, and that point's site; empty when none
    std::string point;
    std::optional<Limit> limit;  // the limit that applies there
    Verdict verdict = Verdict::None;
    std::vector<std::string> validity;  // why the reading is doubtful
    std::optional<TypedMark> typed;     // set for a result typed by hand, which has no read-out nor slot
};

ResultView DescribeRecord(int slot, const record::MeasurementRecord& record,
                          const ValidityThresholds& thresholds = {});
ResultView DescribeResult(const ResultRow& row, const ValidityThresholds& thresholds = {});

// The number of one quantity where the instrument measured it; unset where it was over range, does not
// apply or is invalid.
std::optional<double> MeasuredNumber(format::Quantity quantity, const record::MeasurementRecord& record);

// "Re > 300 kΩ; Rh > 300 kΩ": the values of a result that were over range, with their bounds.
std::string OverRangeSummary(const ResultView& view);

// The slot as the instrument counts it, "00" to "99".
std::string SlotText(int slot);

// The quantity a trend of the mode follows: Re, Rac, R1, Resistivity or Iac.
using format::MainQuantity;

}  // namespace terrovane::archive
