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

// A translation is data, not a format: only "%d" is replaced, so a stray "%s" in it is printed as it stands.
std::string ReportPageNumberText(int pageNumber, const std::string& pattern) {
    std::string text = pattern;
    if (const auto at = text.find("%d"); at != std::string::npos)
        text.replace(at, 2, std::to_string(pageNumber));
    return text;
}

std::string HeaderDateText(int year, int month, int day) {
    return PrintfText("%.4d-%.2d-%.2d", year, month, day);
}

}  // namespace terrovane::format
