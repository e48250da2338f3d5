#pragma once

#include <string>

#include "MeasurementRecord.h"
#include "TranslationMark.h"

namespace terrovane::format {

// The printed report's own date and time of a record: "20yy-mm-dd" and "hh:mm:ss", every component
// zero-padded to two digits. Unlike the list's texts, a component of 100 or more (a damaged BCD byte) is
// printed whole rather than left out.
std::string PaddedRecordDate(const record::MeasurementRecord& record);
std::string PaddedRecordTime(const record::MeasurementRecord& record);

// The foot of a report page: the page number stands for "%d" (translated where it is drawn, context
// "Report").
inline constexpr const char* kReportPageNumberPattern = QT_TRANSLATE_NOOP("Report", "第 %d 页");

// The foot of report page `pageNumber` (counted from 1): "第 1 页", or in `pattern` (a translation of the
// one above) with its first "%d" replaced by the number.
std::string ReportPageNumberText(int pageNumber, const std::string& pattern = kReportPageNumberPattern);

// The date the report's header shows for a calendar date: "yyyy-mm-dd".
std::string HeaderDateText(int year, int month, int day);

}  // namespace terrovane::format
