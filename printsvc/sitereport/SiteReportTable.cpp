// The report's details: every point's results in a table, each result with a line of how it was measured
// and in what conditions; a point's block is kept whole on one page.
#include <QCoreApplication>

#include <algorithm>

#include "MethodText.h"
#include "NoteText.h"
#include "ResultWords.h"
#include "ResultsOutput.h"
#include "SiteReportDocument.h"

namespace terrovane::sitereport {
namespace {

constexpr double kHeaderRow = 7;

struct ColumnSpec {
    const char* title;
    double width;  // mm
};

constexpr ColumnSpec kColumns[] = {
    {QT_TRANSLATE_NOOP("SiteReport", "Test point"), 34}, {QT_TRANSLATE_NOOP("SiteReport", "Kind"), 24},
    {QT_TRANSLATE_NOOP("SiteReport", "Measured"), 30},   {QT_TRANSLATE_NOOP("SiteReport", "Mode"), 20},
    {QT_TRANSLATE_NOOP("SiteReport", "Value"), 22},      {QT_TRANSLATE_NOOP("SiteReport", "Frequency"), 19},
    {QT_TRANSLATE_NOOP("SiteReport", "Voltage"), 17},    {QT_TRANSLATE_NOOP("SiteReport", "Jamming"), 16},
    {QT_TRANSLATE_NOOP("SiteReport", "Limit"), 17},      {QT_TRANSLATE_NOOP("SiteReport", "Source"), 35},
    {QT_TRANSLATE_NOOP("SiteReport", "Verdict"), 18},    {QT_TRANSLATE_NOOP("SiteReport", "Notes"), 25},
};

QString OrDash(const std::string& text) {
    return text.empty() ? QStringLiteral("–") : Q(text);
}

// Pages are filled in tenths of a millimetre: rows whose cells wrap are taller than one line.
int Tenths(double mm) {
    return static_cast<int>(mm * 10);
}

double HeaderRowHeight(CellMeasure& measure) {
    double height = kHeaderRow;
    for (const ColumnSpec& column : kColumns) {
        height = std::max(height, measure.Height(QCoreApplication::translate("SiteReport", column.title),
                                                 Font(9, true), column.width - 1));
    }
    return height;
}

void DrawHeaderRow(PageDrawer& draw, double y, double height) {
    draw.Font(9, true);
    double x = 0;
    for (const ColumnSpec& column : kColumns) {
        // Wrapped rather than cut or shrunk: titles in other languages outgrow the narrow columns.
        draw.WrappedText(x, y, column.width - 1, height,
                         QCoreApplication::translate("SiteReport", column.title));
        x += column.width;
    }
    draw.Rule(y + height, 1.5);
}

QColor VerdictColour(archive::Verdict verdict) {
    switch (verdict) {
        case archive::Verdict::Pass:
            return QColor(0x1B, 0x5E, 0x20);
        case archive::Verdict::Fail:
            return QColor(0xB7, 0x1C, 0x1C);
        case archive::Verdict::None:
            break;
    }
    return Qt::black;
}

std::vector<QString> ResultCells(const ReportedResult& result) {
    const archive::ResultView& view = result.view;
    // The user's note first, then why the reading is doubtful.
    std::string notes = view.note;
    for (const std::string& note : view.validity) {
        notes += (notes.empty() ? "" : "; ") + texts::ValidityNoteText(note).toStdString();
    }
    // A limit is printed only where the result was judged against it.
    const bool judged = view.verdict != archive::Verdict::None;
    return {Q(view.date + " " + view.time.substr(0, 5)),
            Q(view.modeName),
            OrDash(result.value),
            OrDash(result.frequency),
            OrDash(result.voltage),
            OrDash(result.jamming),
            judged       ? Q(archive::NumberText(view.limit->ohms) + " Ω")
            : view.limit ? QStringLiteral("–")
                         : QCoreApplication::translate("SiteReport", "none"),
            judged ? Q(view.limit->source) : QStringLiteral("–"),
            texts::VerdictText(view.verdict),
            OrDash(notes)};
}

constexpr std::size_t kVerdictCell = 8;  // "nicht bestanden" must never read "nicht be…"

// Every cell wraps onto further lines rather than being cut or shrunk ("3Pole Clamp", a long source or
// note); the row takes the height of its tallest cell.
bool BoldCell(const ReportedResult& result, std::size_t cell, bool boldRow) {
    return boldRow || (cell == kVerdictCell && result.view.verdict == archive::Verdict::Fail);
}

double ResultRowHeight(CellMeasure& measure, const ReportedResult& result, bool bold) {
    const std::vector<QString> cells = ResultCells(result);
    double height = kLine;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        height = std::max(height, measure.Height(cells[i], Font(bold ? 9 : 8, BoldCell(result, i, bold)),
                                                 kColumns[i + 2].width - 1));
    }
    return height;
}

void DrawResultCells(PageDrawer& draw, const ReportedResult& result, double x, double y, double height,
                     bool bold) {
    const std::vector<QString> cells = ResultCells(result);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const ColumnSpec& column = kColumns[i + 2];
        draw.Font(bold ? 9 : 8, BoldCell(result, i, bold));
        draw.painter().setPen(i == kVerdictCell ? VerdictColour(result.view.verdict) : QColor(Qt::black));
        draw.WrappedText(x, y, column.width - 1, height, cells[i]);
        x += column.width;
    }
    draw.painter().setPen(Qt::black);
}

constexpr double kDetailPoints = 8;
const QColor kDetailInk(0x42, 0x42, 0x42);

double ResultsX() {
    return kColumns[0].width + kColumns[1].width;
}

double DetailWidth() {
    return kPrintableWidth - ResultsX() - 1;
}

// The heights of a block's rows: each result shown (the newest beside the point's name and kind) with the
// line beneath it, and the line counting the rest.
struct BlockRows {
    std::vector<double> cells;
    std::vector<double> details;
    double more = 0;

    double Total() const {
        double sum = more;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            sum += cells[i] + details[i];
        }
        return sum;
    }
};

std::size_t EarlierOf(const PointSection& section) {
    return section.results.empty() ? 0 : section.results.size() - 1;
}

BlockRows RowsOf(CellMeasure& measure, const SiteReport& report, const PointSection& section) {
    BlockRows rows;
    double first =
        std::max(measure.Height(Q(section.point.fields.name), Font(9, true), kColumns[0].width - 1),
                 measure.Height(texts::PointKindText(section.point.fields.kind), Font(9, false),
                                kColumns[1].width - 1));
    const std::size_t shown = section.results.empty() ? 0 : 1 + std::min(EarlierOf(section), kEarlierShown);
    for (std::size_t i = 0; i < shown; ++i) {
        const ReportedResult& result = section.results[i];
        rows.cells.push_back(std::max(i == 0 ? first : kLine, ResultRowHeight(measure, result, i == 0)));
        rows.details.push_back(
            measure.TextHeight(ResultDetailText(report, result), Font(kDetailPoints, false), DetailWidth()) +
            1.2);
    }
    if (rows.cells.empty()) {
        rows.cells.push_back(first);
        rows.details.push_back(0);
    }
    if (EarlierOf(section) > kEarlierShown) {
        rows.more = kLine;
    }
    return rows;
}

void DrawDetailLine(PageDrawer& draw, const SiteReport& report, const ReportedResult& result, double y) {
    draw.painter().setFont(Font(kDetailPoints, false));
    draw.painter().setPen(kDetailInk);
    draw.Paragraph(ResultsX(), y + 0.2, DetailWidth(), ResultDetailText(report, result));
    draw.painter().setPen(Qt::black);
}

double DrawBlock(PageDrawer& draw, CellMeasure& measure, const SiteReport& report,
                 const PointSection& section, double y) {
    const BlockRows rows = RowsOf(measure, report, section);
    draw.Font(9, true);
    draw.WrappedText(0, y, kColumns[0].width - 1, rows.cells[0], Q(section.point.fields.name));
    draw.Font(9);
    draw.WrappedText(kColumns[0].width, y, kColumns[1].width - 1, rows.cells[0],
                     texts::PointKindText(section.point.fields.kind));
    if (section.results.empty()) {
        draw.Text(ResultsX(), y, 120, kLine,
                  QCoreApplication::translate("SiteReport", "no result in the date range"));
        y += rows.cells[0];
        draw.Rule(y, 0.5);
        return y;
    }
    for (std::size_t i = 0; i < rows.cells.size(); ++i) {
        if (i > 0) {
            draw.Font(8);
            // An attempt newer than the point's standing that measured nothing is said to be one.
            const bool newerAttempt = section.tested && i <= static_cast<std::size_t>(section.failedSince);
            draw.Text(kColumns[0].width, y, kColumns[1].width - 1, rows.cells[i],
                      newerAttempt ? QCoreApplication::translate("SiteReport", "newer, failed")
                                   : QCoreApplication::translate("SiteReport", "earlier"),
                      Qt::AlignRight);
        }
        DrawResultCells(draw, section.results[i], ResultsX(), y, rows.cells[i], i == 0);
        y += rows.cells[i];
        DrawDetailLine(draw, report, section.results[i], y);
        y += rows.details[i];
    }
    if (rows.more > 0) {
        draw.Font(8);
        draw.Text(ResultsX(), y, 120, kLine,
                  QCoreApplication::translate("SiteReport", "and %1 earlier results")
                      .arg(static_cast<qulonglong>(EarlierOf(section) - kEarlierShown)));
        y += kLine;
    }
    draw.Rule(y, 0.5);
    return y;
}

// The visit the result is assigned to, else the first of its day's.
const archive::Visit* VisitOf(const ReportFront& front, const ReportedResult& result) {
    if (result.visit) {
        for (const archive::Visit& visit : front.visits) {
            if (visit.id == *result.visit) {
                return &visit;
            }
        }
    }
    for (const archive::Visit& visit : front.visits) {
        if (!result.view.date.empty() && visit.date == result.view.date) {
            return &visit;
        }
    }
    return nullptr;
}

}  // namespace

QString ResultDetailText(const SiteReport& report, const ReportedResult& result) {
    QStringList parts = {
        QCoreApplication::translate("SiteReport", "Method: %1").arg(texts::MethodText(result.method))};
    const archive::Visit* visit = VisitOf(report.front, result);
    parts << (visit != nullptr
                  ? texts::VisitConditionsText(*visit)
                  : QCoreApplication::translate("SiteReport", "Conditions not recorded (no visit on %1)")
                        .arg(OrDash(result.view.date)));
    if (result.method.typed) {
        // Who measured is who stands behind the reading; who typed it in is its record's keeper.
        const QString notRecorded = QCoreApplication::translate("SiteReport", "not recorded");
        parts << QCoreApplication::translate("SiteReport", "Measured by %1, typed in by %2, instrument %3")
                     .arg(result.measuredBy.empty() ? notRecorded : Q(result.measuredBy),
                          OrDash(result.typedBy),
                          result.typedInstrument.empty() ? notRecorded : Q(result.typedInstrument));
    }
    return parts.join(QStringLiteral(". "));
}

std::vector<std::size_t> DetailPageStarts(const SiteReport& report, double dotsPerMm) {
    CellMeasure measure(dotsPerMm);
    std::vector<int> heights;
    for (const PointSection& section : report.points) {
        heights.push_back(Tenths(RowsOf(measure, report, section).Total()));
    }
    // A line kept for the summary.
    const double body = kBodyHeight - HeaderRowHeight(measure) - kLine - 1;
    return PageStarts(heights, Tenths(body), Tenths(body));
}

void DrawDetailPage(PageDrawer& draw, const SiteReport& report, const std::vector<std::size_t>& starts,
                    int page) {
    CellMeasure measure(draw.DotsPerMm());
    const double header = HeaderRowHeight(measure);
    DrawHeaderRow(draw, 0, header);
    double y = header;
    const std::size_t first = starts[static_cast<std::size_t>(page)];
    const bool last = static_cast<std::size_t>(page) + 1 == starts.size();
    const std::size_t end = last ? report.points.size() : starts[static_cast<std::size_t>(page) + 1];
    for (std::size_t i = first; i < end; ++i) {
        y = DrawBlock(draw, measure, report, report.points[i], y);
    }
    if (last) {
        draw.Font(10, true);
        draw.Text(
            0, y + 1, kPrintableWidth, kLine,
            QCoreApplication::translate("SiteReport", "Summary: %1").arg(SummaryText(Summarise(report))));
    }
}

}  // namespace terrovane::sitereport
