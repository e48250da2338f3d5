#include "ResultView.h"

#include <cmath>

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

std::optional<double> QuantityNumber(Quantity quantity, const record::MeasurementRecord& record) {
    switch (quantity) {
        case Quantity::TestVoltage:
        case Quantity::TestFrequency: {
            const double label = format::QuantityValue(quantity, &record);
            return label == 0 ? std::nullopt : std::optional(label);
        }
        case Quantity::Distance: {
            const int distance = format::Distance(&record);
            if (distance == 0) {
                return std::nullopt;
            }
            // Above 99 m the instrument still stored the distance it measured.
            return distance == format::DistanceOver ? record.integerValue : distance;
        }
        default:
            break;
    }
    const double value = format::QuantityValue(quantity, &record);
    if (value == format::NotApplicable || value == format::InvalidReading || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

ResultView DescribeRecord(int slot, const record::MeasurementRecord& record) {
    ResultView view;
    view.slot = slot;
    view.mode = record.mode;
    view.modeName = format::ModeName(record.mode);
    view.date = format::FormatRecordDate(record);
    view.time = format::FormatRecordTime(record);
    view.cells = exporting::RecordRowTexts(static_cast<std::size_t>(slot), record);
    for (std::size_t i = 0; i < kValueNames; ++i) {
        view.values[i] = QuantityNumber(ValueQuantities()[i].quantity, record);
    }
    return view;
}

ResultView DescribeResult(const ResultRow& row) {
    ResultView view = DescribeRecord(row.slot, record::MeasurementRecord::FromPacket(row.packet));
    view.id = row.id;
    view.readout = row.readout;
    view.readAt = row.readAt;
    view.port = row.port;
    view.label = row.label;
    view.note = row.note;
    return view;
}

}  // namespace terrovane::archive
