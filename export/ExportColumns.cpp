#include "ExportColumns.h"
#include "RecordTexts.h"

#include "CellText.h"
#include "ModeName.h"
#include "RecordTable.h"

namespace terrovane::exporting {
namespace {

using format::Quantity;

// Columns 4 to 17 in order.
constexpr std::array<Quantity, kExportColumns - 4> kQuantityColumns = {
    Quantity::TestVoltage,
    Quantity::TestFrequency,
    Quantity::Re,
    Quantity::Rs,
    Quantity::Rh,
    Quantity::Rac,
    Quantity::R1,
    Quantity::R2,
    Quantity::Resistivity,
    Quantity::Rk,
    Quantity::JammingFrequency,
    Quantity::JammingVoltage,
    Quantity::Iac,
    Quantity::Distance,
};

}  // namespace

const RowTexts& HeaderTexts() {
    static const RowTexts kHeader = {
        "NO",
        "Mode",
        "日期(Date)",
        "时间(Time)",
        "Voltage(V)",
        "Frequency(Hz)",
        "Re(Ω)",
        "Rs(Ω)",
        "Rh(Ω)",
        "Rac(Ω)",
        "R1(Ω)",
        "R2(Ω)",
        "Resistivity(Ω*m)",
        "Rk(Ω)",
        "Jamming Frequency(HZ)",
        "Jamming Voltage(V)",
        "Jamming (A) Current",
        "Distance(m)",
    };
    return kHeader;
}

RowTexts RecordRowTexts(std::size_t slot, const record::MeasurementRecord& record) {
    RowTexts texts;
    texts[0] = format::SlotText(slot);
    texts[1] = format::ModeName(record.mode);
    texts[2] = format::FormatRecordDate(record);
    texts[3] = format::FormatRecordTime(record);
    for (std::size_t i = 0; i < kQuantityColumns.size(); ++i) {
        texts[4 + i] = format::FormatCellText(kQuantityColumns[i], &record);
    }
    return texts;
}

}  // namespace terrovane::exporting
