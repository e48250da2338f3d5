#include "ExportColumns.h"
#include "RecordTexts.h"

#include "CellText.h"
#include "ModeName.h"
#include "RecordTable.h"

namespace terrovane::exporting {

static_assert(format::kFirstValueColumn + format::kValueColumns.size() == kExportColumns);

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
    for (std::size_t i = 0; i < format::kValueColumns.size(); ++i) {
        texts[format::kFirstValueColumn + i] = format::FormatCellText(format::kValueColumns[i], &record);
    }
    return texts;
}

}  // namespace terrovane::exporting
