#include "ReportPage.h"

#include <QCoreApplication>
#include <QString>

#include <array>

#include "ReportCells.h"
#include "ReportTexts.h"

namespace terrovane::report {
namespace {

std::string Tr(const char* text) {
    return QCoreApplication::translate("Report", text).toStdString();
}

constexpr double kTableLeft = 0.4;
constexpr double kTableRight = 7.4;
constexpr std::size_t kHeaderTextBytes = 98;

constexpr std::array<double, kReportColumns> kColumnWidths = {0.2, 0.4, 0.7, 0.6, 0.3, 0.3, 0.4, 0.4, 0.4,
                                                              0.4, 0.4, 0.4, 0.5, 0.4, 0.4, 0.3, 0.3, 0.2};
// Marked for translation: lupdate finds them here, DrawReportPage translates them as it draws.
const std::array<const char*, kReportColumns> kColumnTitles = {
    QT_TRANSLATE_NOOP("Report", "序号"),           QT_TRANSLATE_NOOP("Report", "模式"),
    QT_TRANSLATE_NOOP("Report", "日期\nyy-mm-dd"), QT_TRANSLATE_NOOP("Report", "时间\nhh-mm-ss"),
    QT_TRANSLATE_NOOP("Report", "电压\n(V)"),      QT_TRANSLATE_NOOP("Report", "频率\n(Hz)"),
    QT_TRANSLATE_NOOP("Report", "Re\n(Ω)"),        QT_TRANSLATE_NOOP("Report", "Rs\n(Ω)"),
    QT_TRANSLATE_NOOP("Report", "Rh\n(Ω)"),        QT_TRANSLATE_NOOP("Report", "Rac\n(Ω)"),
    QT_TRANSLATE_NOOP("Report", "R1\n(Ω)"),        QT_TRANSLATE_NOOP("Report", "R2\n(Ω)"),
    QT_TRANSLATE_NOOP("Report", "电阻率\n(Ω*m)"),  QT_TRANSLATE_NOOP("Report", "Rk\n(Ω)"),
    QT_TRANSLATE_NOOP("Report", "Fst\n(Hz)"),      QT_TRANSLATE_NOOP("Report", "Ust\n(V)"),
    QT_TRANSLATE_NOOP("Report", "Iac\n(A)"),       QT_TRANSLATE_NOOP("Report", "距离\n(m)"),
};

// One table of the report: title row only, full report width, stacked under the previous one.
form::FormRow ReportTable(double top, int columns, int pointSize, int titleLines) {
    form::FormRow row;
    row.inInches = 1;
    row.equalWidths = 0;
    row.fillStyle = 0;
    row.borderWidth = 1;
    row.rows = 0;
    row.drawBorder = 1;
    row.top = top;
    row.left = kTableLeft;
    row.right = kTableRight;
    row.columns = columns;
    row.pointSize = pointSize;
    row.titleLines = titleLines;
    return row;
}

double DrawCells(form::PrintForm& page, double top, int pointSize, int titleLines,
                 std::initializer_list<std::pair<double, std::string>> cells) {
    form::FormRow row = ReportTable(top, static_cast<int>(cells.size()), pointSize, titleLines);
    int c = 0;
    for (const auto& [width, title] : cells)
        row.cells[c++] = {width, title, 0};
    page.DrawTable(row);
    return row.bottom;
}

double DrawRecordRow(form::PrintForm& page, double top, const RowTexts& texts) {
    form::FormRow row = ReportTable(top, kReportColumns, 9, 3);
    for (int c = 0; c < kReportColumns; ++c) {
        // An empty title would print the engine's "Col n" placeholder in a blank Re cell.
        row.cells[c] = {kColumnWidths[c], texts[c].empty() ? kBlank : texts[c], 0};
    }
    page.DrawTable(row);
    return row.bottom;
}

}  // namespace

// The cell holds as much as the GBK bytes it was made for: a character outside ASCII takes two of them
// (one GBK has no room for takes two as well), but is printed as typed, never as the "?" of GBK.
std::string HeaderCellText(const std::string& text) {
    const QString typed = QString::fromStdString(text);
    std::size_t bytes = 0;
    QString kept;
    for (const char32_t character : typed.toStdU32String()) {
        bytes += character < 0x80 ? 1 : 2;
        if (bytes > kHeaderTextBytes)
            break;
        kept += QString::fromUcs4(&character, 1);
    }
    return kept.toStdString();
}

void DrawReportPage(form::PrintForm& page, const ReportHeaderInfo& header, const record::RecordTable& table,
                    int pageIndex) {
    page.Texts().PrintTextAt(
        0.54, 0.0, form::kCentred, 15, "%s",
        Tr(QT_TRANSLATE_NOOP("Report", "\n接地电阻测试仪    \nTest Report of Earth/Ground Tester")).c_str());
    double top = DrawCells(page, 0.6, 10, 5, {{7.0, " "}});
    top = DrawCells(page, top, 10, 4,
                    {{1.5, Tr(QT_TRANSLATE_NOOP("Report", "\n测试对象\nObject"))},
                     {2.0, "\n" + HeaderCellText(header.object)},
                     {1.5, Tr(QT_TRANSLATE_NOOP("Report", "\n仪表编号\nInstrument S/N"))},
                     {2.0, "\n" + HeaderCellText(header.serialNumber)}});
    top = DrawCells(page, top, 10, 4,
                    {{0.0, ""},
                     {0.0, ""},
                     {1.5, Tr(QT_TRANSLATE_NOOP("Report", "\n测  试 人\nName"))},
                     {2.0, "\n" + HeaderCellText(header.tester)},
                     {1.5, Tr(QT_TRANSLATE_NOOP("Report", "\n日    期\nDate"))},
                     {2.0, "\n" + HeaderCellText(header.date)}});
    form::FormRow columnHeader = ReportTable(top, kReportColumns, 10, 4);
    for (int c = 0; c < kReportColumns; ++c)
        columnHeader.cells[c] = {kColumnWidths[c], Tr(kColumnTitles[c]), 0};
    page.DrawTable(columnHeader);
    top = columnHeader.bottom;
    for (int i = 0; i < kRowsPerPage; ++i) {
        top = DrawRecordRow(page, top,
                            ReportRowTexts(table, static_cast<std::size_t>(pageIndex * kRowsPerPage + i)));
    }
    page.Texts().PrintTextAt(
        top + 0.5, 3.8, 0, 10, "%s",
        format::ReportPageNumberText(pageIndex + 1, Tr(format::kReportPageNumberPattern)).c_str());
}

int CountReportPages(const record::RecordTable& table) {
    for (int slot = static_cast<int>(record::kSlotCount) - 1; slot >= 0; --slot) {
        if (table.IsOccupied(static_cast<std::size_t>(slot)))
            return slot / kRowsPerPage + 1;
    }
    return 0;
}

}  // namespace terrovane::report
