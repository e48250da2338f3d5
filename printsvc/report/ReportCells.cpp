#include "ReportCells.h"

#include "CellText.h"
#include "ModeName.h"
#include "RecordTexts.h"
#include "ReportTexts.h"

namespace terrovane::report {

static_assert(format::kFirstValueColumn + format::kValueColumns.size() == kReportColumns);

namespace {

using format::Quantity;

// The workbook writes Rac's over-range with a decimal the printed column has no room for.
constexpr const char* kWorkbookRacOver = ">300.0k";
constexpr const char* kReportRacOver = ">300k";

std::string ValueCellText(Quantity quantity, const record::MeasurementRecord* record) {
    std::string text = format::FormatCellText(quantity, record);
    if (quantity == Quantity::Rac && text == kWorkbookRacOver)
        return kReportRacOver;
    if (text.empty() && quantity != Quantity::Re)
        return kBlank;
    return text;
}

}  // namespace

RowTexts ReportRowTexts(const record::RecordTable& table, std::size_t slot) {
    RowTexts texts;
    texts[0] = format::SlotText(slot);
    const record::MeasurementRecord* r = table.At(slot);
    texts[1] = r ? format::ModeName(r->mode) : kBlank;
    texts[2] = r ? format::PaddedRecordDate(*r) : kBlank;
    texts[3] = r ? format::PaddedRecordTime(*r) : kBlank;
    for (std::size_t i = 0; i < format::kValueColumns.size(); ++i)
        texts[format::kFirstValueColumn + i] = ValueCellText(format::kValueColumns[i], r);
    return texts;
}

}  // namespace terrovane::report
