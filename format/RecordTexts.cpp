#include "RecordTexts.h"

namespace terrovane::format {

using record::MeasurementRecord;
using record::RecordTable;

namespace {

// One component: "<lead><digit>" for one digit, "<sep><digits>" for two, nothing for 100 and above.
std::string Component(int value, const char* oneDigitLead, const char* twoDigitLead) {
    if (value < 0 || value >= 100)
        return {};
    if (value < 10)
        return oneDigitLead + std::to_string(value);
    return twoDigitLead + std::to_string(value);
}

}  // namespace

std::string FormatRecordDate(const MeasurementRecord& r) {
    return Component(record::RecordYear(&r), "200", "20") + Component(record::RecordMonth(&r), "-0", "-") +
           Component(record::RecordDay(&r), "-0", "-");
}

std::string FormatRecordTime(const MeasurementRecord& r) {
    return Component(record::RecordHour(&r), "0", "") + Component(record::RecordMinute(&r), ":0", ":") +
           Component(record::RecordSecond(&r), ":0", ":");
}

std::string SlotText(std::size_t slot) {
    return (slot < 10 ? "0" : "") + std::to_string(slot);
}

std::optional<RecordListRow> RecordListTexts(const RecordTable& table, std::size_t slot) {
    const MeasurementRecord* r = table.At(slot);
    if (!r)
        return std::nullopt;
    return RecordListRow{FormatRecordDate(*r), FormatRecordTime(*r)};
}

}  // namespace terrovane::format
