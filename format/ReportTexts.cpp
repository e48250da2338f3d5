#include "ReportTexts.h"

#include "PrintfText.h"

namespace terrovane::format {

using detail::PrintfText;

std::string PaddedRecordDate(const record::MeasurementRecord& r) {
    return PrintfText("20%02d-%02d-%02d", record::RecordYear(&r), record::RecordMonth(&r),
                      record::RecordDay(&r));
}

std::string PaddedRecordTime(const record::MeasurementRecord& r) {
    return PrintfText("%02d:%02d:%02d", record::RecordHour(&r), record::RecordMinute(&r),
                      record::RecordSecond(&r));
}

std::string ReportPageNumberText(int pageNumber) {
    return PrintfText("第 %d 页", pageNumber);
}

std::string HeaderDateText(int year, int month, int day) {
    return PrintfText("%.4d-%.2d-%.2d", year, month, day);
}

}  // namespace terrovane::format
