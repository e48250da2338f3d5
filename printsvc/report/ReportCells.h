#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "RecordTable.h"

namespace terrovane::report {

inline constexpr int kReportColumns = 18;
inline constexpr const char* kBlank = "  ";  // a blank report cell

using RowTexts = std::array<std::string, kReportColumns>;

// The 18 cell texts of the report row of one slot: number, mode, date, time, test voltage and frequency,
// Re, Rs, Rh, Rac, R1, R2, resistivity, Rk, Fst, Ust, Iac, distance. The value cells are the workbook's
// cell texts with two differences: an empty cell is blank ("  "), except Re, which stays empty; Rac over
// range prints ">300k".
RowTexts ReportRowTexts(const record::RecordTable& table, std::size_t slot);

}  // namespace terrovane::report
