#pragma once

#include <string>

#include "MeasurementRecord.h"

namespace terrovane::format {

// The printed report's own date and time of a record: "20yy-mm-dd" and "hh:mm:ss", every component
// zero-padded to two digits. Unlike the list's texts, a component of 100 or more (a damaged BCD byte) is
// printed whole rather than left out.
std::string PaddedRecordDate(const record::MeasurementRecord& record);
std::string PaddedRecordTime(const record::MeasurementRecord& record);

// The foot of report page `pageNumber` (counted from 1): "第 1 页".
std::string ReportPageNumberText(int pageNumber);

// The date the report's header shows for a calendar date: "yyyy-mm-dd".
std::string HeaderDateText(int year, int month, int day);

}  // namespace terrovane::format
