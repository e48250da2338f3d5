#include "SiteReportPdf.h"
#include "NoteText.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>

#include "AtomicFile.h"
#include "PageBasics.h"
#include "ResultWords.h"
#include "ResultsOutput.h"

namespace terrovane::sitereport {
namespace {

// Millimetres of the layout.
constexpr double kHeaderRow = 7;
constexpr double kSiteBlock = 44;
constexpr double kFooter = 8;
constexpr double kPrintableWidth = 277;
constexpr double kPrintableHeight = 190;

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

QFont CellFont(double points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// `text` broken into lines no wider than `width` device units: at spaces, and inside a word only where
// the word alone is wider than the column, so nothing runs past a column's edge or the right rule.
void LayOutLines(QTextLayout& layout, qreal width) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

// Measures cells as the page will draw them, on a device of the page's resolution.
class CellMeasure {
  public:
    explicit CellMeasure(double dotsPerMm) : device_(1, 1, QImage::Format_RGB32), mm_(dotsPerMm) {
        const int dotsPerMetre = static_cast<int>(dotsPerMm * 1000 + 0.5);
        device_.setDotsPerMeterX(dotsPerMetre);
        device_.setDotsPerMeterY(dotsPerMetre);
    }
    // Millimetres `text` takes in a column `width` mm wide: one row, or more where it wraps.
    double Height(const QString& text, const QFont& font, double width) {
        QTextLayout layout(text, font, &device_);
        LayOutLines(layout, width * mm_);
        return std::max(kLine, layout.boundingRect().height() / mm_ + 1.5);
    }

  private:
    QImage device_;
    double mm_;
};

class PageDrawer {
  public:
    PageDrawer(QPainter& painter, double dotsPerMm) : painter_(painter), mm_(dotsPerMm) {}

    QRectF Box(double x, double y, double w, double h) const { return {x * mm_, y * mm_, w * mm_, h * mm_}; }
    void Font(double points, bool bold = false) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        painter_.setFont(font);
    }
    void Text(double x, double y, double w, double h, const QString& text, int flags = Qt::AlignLeft) {
        const QRectF box = Box(x, y, w, h);
        const QString shown =
            painter_.fontMetrics().elidedText(text, Qt::ElideRight, static_cast<int>(box.width()));
        painter_.drawText(box, flags | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
    // A text that does not fit on one line wraps onto more, in its own font, centred in its row: the row
    // was made tall enough for it (CellMeasure).
    void WrappedText(double x, double y, double w, double h, const QString& text) {
        const QRectF box = Box(x, y, w, h);
        QTextLayout layout(text, painter_.font(), painter_.device());
        LayOutLines(layout, box.width());
        const qreal top = box.top() + (box.height() - layout.boundingRect().height()) / 2;
        layout.draw(&painter_, QPointF(box.left(), top));
    }
    void Rule(double y, double width = 1) {
        painter_.setPen(QPen(Qt::black, 0.2 * mm_ * width));
        painter_.drawLine(QPointF(0, y * mm_), QPointF(kPrintableWidth * mm_, y * mm_));
    }
    QPainter& painter() { return painter_; }

  private:
    QPainter& painter_;
    double mm_;
};

QString Position(const archive::SiteFields& site) {
    if (!site.latitude) {
        return QStringLiteral("–");
    }
    return Q(archive::NumberText(*site.latitude) + ", " + archive::NumberText(*site.longitude));
}

QString Range(const SiteReport& report) {
    if (report.since.empty() && report.until.empty()) {
        return QCoreApplication::translate("SiteReport", "all results");
    }
    return OrDash(report.since) + QCoreApplication::translate("SiteReport", " to ") + OrDash(report.until);
}

// The instrument does not send its serial: it is what the user typed, or said to be missing.
QString InstrumentSerial(const SiteReport& report) {
    return report.instrument.empty()
               ? QCoreApplication::translate("SiteReport", "– (not recorded by the instrument's read-out)")
               : Q(report.instrument);
}

double DrawSiteBlock(PageDrawer& draw, const SiteReport& report) {
    draw.Font(16, true);
    draw.Text(0, 0, kPrintableWidth, 9,
              QCoreApplication::translate("SiteReport", "Earth resistance test report"));
    const std::pair<QString, QString> fields[] = {
        {QCoreApplication::translate("SiteReport", "Site"), Q(report.site.fields.name)},
        {QCoreApplication::translate("SiteReport", "Address"), OrDash(report.site.fields.address)},
        {QCoreApplication::translate("SiteReport", "Position"), Position(report.site.fields)},
        {QCoreApplication::translate("SiteReport", "Tester"), OrDash(report.tester)},
        {QCoreApplication::translate("SiteReport", "Instrument serial"), InstrumentSerial(report)},
        {QCoreApplication::translate("SiteReport", "Date range"), Range(report)},
    };
    double y = 12;
    for (const auto& [label, value] : fields) {
        draw.Font(10, true);
        draw.Text(0, y, 40, kLine, label);
        draw.Font(10);
        draw.Text(40, y, kPrintableWidth - 40, kLine, value);
        y += kLine;
    }
    return kSiteBlock;
}

double HeaderRowHeight(CellMeasure& measure) {
    double height = kHeaderRow;
    for (const ColumnSpec& column : kColumns) {
        height = std::max(height, measure.Height(QCoreApplication::translate("SiteReport", column.title),
                                                 CellFont(9, true), column.width - 1));
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
        height = std::max(height, measure.Height(cells[i], CellFont(bold ? 9 : 8, BoldCell(result, i, bold)),
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

// The heights of a block's rows: its newest result beside the point's name and kind, the earlier results
// shown, and the line counting the rest.
std::vector<double> BlockRowHeights(CellMeasure& measure, const PointSection& section) {
    double first =
        std::max(measure.Height(Q(section.point.fields.name), CellFont(9, true), kColumns[0].width - 1),
                 measure.Height(texts::PointKindText(section.point.fields.kind), CellFont(9, false),
                                kColumns[1].width - 1));
    if (!section.results.empty()) {
        first = std::max(first, ResultRowHeight(measure, section.results.front(), true));
    }
    std::vector<double> rows{first};
    const std::size_t earlier = section.results.empty() ? 0 : section.results.size() - 1;
    for (std::size_t i = 1; i <= std::min(earlier, kEarlierShown); ++i) {
        rows.push_back(ResultRowHeight(measure, section.results[i], false));
    }
    if (earlier > kEarlierShown) {
        rows.push_back(kLine);
    }
    return rows;
}

double Sum(const std::vector<double>& heights) {
    double sum = 0;
    for (const double height : heights) {
        sum += height;
    }
    return sum;
}

double DrawBlock(PageDrawer& draw, CellMeasure& measure, const PointSection& section, double y) {
    const std::vector<double> rows = BlockRowHeights(measure, section);
    const double resultsX = kColumns[0].width + kColumns[1].width;
    draw.Font(9, true);
    draw.WrappedText(0, y, kColumns[0].width - 1, rows[0], Q(section.point.fields.name));
    draw.Font(9);
    draw.WrappedText(kColumns[0].width, y, kColumns[1].width - 1, rows[0],
                     texts::PointKindText(section.point.fields.kind));
    if (section.results.empty()) {
        draw.Text(resultsX, y, 120, kLine,
                  QCoreApplication::translate("SiteReport", "no result in the date range"));
    } else {
        DrawResultCells(draw, section.results.front(), resultsX, y, rows[0], true);
    }
    y += rows[0];
    const std::size_t earlier = section.results.empty() ? 0 : section.results.size() - 1;
    for (std::size_t i = 1; i <= std::min(earlier, kEarlierShown); ++i) {
        draw.Font(8);
        // An attempt newer than the point's standing that measured nothing is said to be one.
        const bool newerAttempt = section.tested && i <= static_cast<std::size_t>(section.failedSince);
        draw.Text(kColumns[0].width, y, kColumns[1].width - 1, rows[i],
                  newerAttempt ? QCoreApplication::translate("SiteReport", "newer, failed")
                               : QCoreApplication::translate("SiteReport", "earlier"),
                  Qt::AlignRight);
        DrawResultCells(draw, section.results[i], resultsX, y, rows[i], false);
        y += rows[i];
    }
    if (earlier > kEarlierShown) {
        draw.Font(8);
        draw.Text(resultsX, y, 120, kLine,
                  QCoreApplication::translate("SiteReport", "and %1 earlier results")
                      .arg(static_cast<qulonglong>(earlier - kEarlierShown)));
        y += kLine;
    }
    draw.Rule(y, 0.5);
    return y;
}

void DrawFooter(PageDrawer& draw, const SiteReport& report, int page, int pages) {
    const double y = kPrintableHeight - kFooter + 2;
    draw.Rule(y - 1, 0.5);
    draw.Font(8);
    draw.Text(0, y, 90, kLine, QStringLiteral("Terrovane ") + Q(report.version));
    draw.Text(90, y, 97, kLine, Q(report.site.fields.name), Qt::AlignHCenter);
    draw.Text(187, y, 90, kLine,
              QCoreApplication::translate("SiteReport", "Page %1 of %2").arg(page + 1).arg(pages),
              Qt::AlignRight);
}

bool DrawPdf(const SiteReport& report, QBuffer& out) {
    QPdfWriter writer(&out);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Terrovane"));
    writer.setTitle(QCoreApplication::translate("SiteReport", "Site report: ") + Q(report.site.fields.name));
    SetSiteReportPaper(writer);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    DrawSiteReport(painter, writer, report);
    return painter.end();
}

}  // namespace

void SetSiteReportPaper(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
}

SiteReportLayout LayOutSiteReport(const SiteReport& report, int resolution) {
    SiteReportLayout layout;
    layout.dotsPerMm = resolution / 25.4;
    CellMeasure measure(layout.dotsPerMm);
    std::vector<int> heights;
    for (const PointSection& section : report.points) {
        heights.push_back(Tenths(Sum(BlockRowHeights(measure, section))));
    }
    // A line kept for the summary.
    const double body = kPrintableHeight - kFooter - HeaderRowHeight(measure) - kLine;
    layout.pageStarts = PageStarts(heights, Tenths(body - kSiteBlock), Tenths(body));
    return layout;
}

void DrawSiteReportPage(QPainter& painter, const SiteReport& report, const SiteReportLayout& layout,
                        int page) {
    PageDrawer draw(painter, layout.dotsPerMm);
    CellMeasure measure(layout.dotsPerMm);
    double y = page == 0 ? DrawSiteBlock(draw, report) : 0;
    const double header = HeaderRowHeight(measure);
    DrawHeaderRow(draw, y, header);
    y += header;
    const std::size_t first = layout.pageStarts[static_cast<std::size_t>(page)];
    const bool last = page + 1 == layout.Pages();
    const std::size_t end =
        last ? report.points.size() : layout.pageStarts[static_cast<std::size_t>(page) + 1];
    for (std::size_t i = first; i < end; ++i) {
        y = DrawBlock(draw, measure, report.points[i], y);
    }
    if (last) {
        draw.Font(10, true);
        draw.Text(
            0, y + 1, kPrintableWidth, kLine,
            QCoreApplication::translate("SiteReport", "Summary: %1").arg(SummaryText(Summarise(report))));
    }
    DrawFooter(draw, report, page, layout.Pages() + AnalysisPageCount(report.analyses));
}

int SiteReportPageCount(const SiteReport& report, int resolution) {
    return LayOutSiteReport(report, resolution).Pages() + AnalysisPageCount(report.analyses);
}

void DrawSiteReport(QPainter& painter, QPagedPaintDevice& device, const SiteReport& report, int from,
                    int to) {
    const SiteReportLayout layout = LayOutSiteReport(report, device.logicalDpiY());
    const int pages = layout.Pages() + AnalysisPageCount(report.analyses);
    const int first = std::clamp(from, 1, pages) - 1;
    const int last = to <= 0 ? pages - 1 : std::clamp(to, first + 1, pages) - 1;
    for (int page = first; page <= last; ++page) {
        if (page > first) {
            device.newPage();
        }
        if (page < layout.Pages()) {
            DrawSiteReportPage(painter, report, layout, page);
            continue;
        }
        DrawAnalysisPage(painter, report.analyses, layout.dotsPerMm, kPrintableWidth, kPrintableHeight,
                         kFooter, page - layout.Pages());
        PageDrawer draw(painter, layout.dotsPerMm);
        DrawFooter(draw, report, page, pages);
    }
}

bool RenderSiteReportPdf(const SiteReport& report, const std::string& path, std::string& error) {
    QBuffer pdf;
    if (!pdf.open(QIODevice::WriteOnly) || !DrawPdf(report, pdf)) {
        error = "cannot draw the site report";
        return false;
    }
    std::string reason;
    if (!platform::WriteFileAtomically(path, std::string_view(pdf.data().constData(), pdf.data().size()),
                                       reason)) {
        error = "cannot write " + reason;
        return false;
    }
    return true;
}

}  // namespace terrovane::sitereport
