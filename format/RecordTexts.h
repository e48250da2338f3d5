#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "MeasurementRecord.h"
#include "RecordTable.h"

namespace terrovane::format {

// "20yy-mm-dd" and "hh:mm:ss"; a component of 100 or more leaves its place empty.
std::string FormatRecordDate(const record::MeasurementRecord& record);
std::string FormatRecordTime(const record::MeasurementRecord& record);

// Column 0 of the record list, the workbook and the report: "00" to "99".
std::string SlotText(std::size_t slot);

// Columns 1 and 2 of list row `slot` after a read-out; nullopt leaves the row untouched (empty slot).
struct RecordListRow {
    std::string date;
    std::string time;
};
std::optional<RecordListRow> RecordListTexts(const record::RecordTable& table, std::size_t slot);

}  // namespace terrovane::format
