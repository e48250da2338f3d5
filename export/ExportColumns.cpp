#include "ExportColumns.h"
#include "RecordTexts.h"

#include "CellText.h"
#include "ModeName.h"
#include "RecordTable.h"
#include "TranslationMark.h"

namespace terrovane::exporting {

static_assert(format::kFirstValueColumn + format::kValueColumns.size() == kExportColumns);

// The workbook keeps these bytes; the windows that show them as column titles translate them.
const RowTexts& HeaderTexts() {
    static const RowTexts kHeader = {
        QT_TRANSLATE_NOOP("WorkbookColumns", "NO"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Mode"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "日期(Date)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "时间(Time)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Voltage(V)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Frequency(Hz)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Re(Ω)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Rs(Ω)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Rh(Ω)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Rac(Ω)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "R1(Ω)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "R2(Ω)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Resistivity(Ω*m)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Rk(Ω)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Jamming Frequency(HZ)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Jamming Voltage(V)"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Jamming (A) Current"),
        QT_TRANSLATE_NOOP("WorkbookColumns", "Distance(m)"),
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
