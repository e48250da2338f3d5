#include "ResultView.h"

#include "ModeName.h"
#include "RecordTable.h"
#include "RecordTexts.h"

namespace terrovane::archive {

using format::Quantity;

const std::array<NamedQuantity, kValueNames>& ValueQuantities() {
    static const std::array<NamedQuantity, kValueNames> kNames = {{
        {"TestVoltage", Quantity::TestVoltage},
        {"TestFrequency", Quantity::TestFrequency},
        {"Re", Quantity::Re},
        {"Rs", Quantity::Rs},
        {"Rh", Quantity::Rh},
        {"Rac", Quantity::Rac},
        {"R1", Quantity::R1},
        {"R2", Quantity::R2},
        {"Resistivity", Quantity::Resistivity},
        {"Rk", Quantity::Rk},
        {"JammingFrequency", Quantity::JammingFrequency},
        {"JammingVoltage", Quantity::JammingVoltage},
        {"Iac", Quantity::Iac},
        {"Distance", Quantity::Distance},
    }};
    return kNames;
}

std::optional<double> MeasuredNumber(Quantity quantity, const record::MeasurementRecord& record) {
    const format::Reading reading = format::ReadingOf(quantity, &record);
    return reading.IsMeasured() ? std::optional(reading.value) : std::nullopt;
}

std::string OverRangeSummary(const ResultView& view) {
    std::string summary;
    for (std::size_t i = 0; i < kValueNames; ++i) {
        const format::Reading& reading = view.readings[i];
        if (reading.IsOverRange()) {
            summary += (summary.empty() ? "" : "; ") + std::string(ValueQuantities()[i].name) + " " +
                       format::OverRangeText(ValueQuantities()[i].quantity, reading);
        }
    }
    return summary;
}

std::string SlotText(int slot) {
    return std::string{static_cast<char>('0' + slot / 10 % 10), static_cast<char>('0' + slot % 10)};
}

ResultView DescribeRecord(int slot, const record::MeasurementRecord& record,
                          const ValidityThresholds& thresholds) {
    ResultView view;
    view.slot = slot;
    view.mode = record.mode;
    view.modeName = format::ModeName(record.mode);
    view.date = format::FormatRecordDate(record);
    view.time = format::FormatRecordTime(record);
    view.cells = exporting::RecordRowTexts(static_cast<std::size_t>(slot), record);
    for (std::size_t i = 0; i < kValueNames; ++i) {
        view.readings[i] = format::ReadingOf(ValueQuantities()[i].quantity, &record);
    }
    view.validity = ValidityNotes(record, thresholds);
    return view;
}

ResultView DescribeResult(const ResultRow& row, const ValidityThresholds& thresholds) {
    const auto record = record::MeasurementRecord::FromPacket(row.packet);
    ResultView view = DescribeRecord(row.slot, record, thresholds);
    view.site = row.site;
    view.point = row.pointName;
    view.limit = row.limit;
    view.verdict = Judge(record, row.limit);
    view.id = row.id;
    view.readout = row.readout;
    view.readAt = row.readAt;
    view.port = row.port;
    view.label = row.label;
    view.note = row.note;
    return view;
}

}  // namespace terrovane::archive
