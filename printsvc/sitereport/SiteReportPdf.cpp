#include "SiteReportPdf.h"
#include "NoteText.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "AtomicFile.h"
#include "ResultWords.h"
#include "ResultsOutput.h"

namespace terrovane::sitereport {
namespace {

// Millimetres of the layout.
constexpr double kLine = 5.2;
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
    {QT_TRANSLATE_NOOP("SiteReport", "Voltage"), 15},    {QT_TRANSLATE_NOOP("SiteReport", "Jamming"), 16},
    {QT_TRANSLATE_NOOP("SiteReport", "Limit"), 15},      {QT_TRANSLATE_NOOP("SiteReport", "Source"), 42},
    {QT_TRANSLATE_NOOP("SiteReport", "Verdict"), 15},    {QT_TRANSLATE_NOOP("SiteReport", "Notes"), 25},
};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString OrDash(const std::string& text) {
    return text.empty() ? QStringLiteral("–") : Q(text);
}

int LinesPerPage(double height) {
    return static_cast<int>(height / kLine);
}

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
    // A text that may not fit on one line wraps at its spaces, in a smaller font when it must, so that two
    // lines take the height of one row.
    void WrappedText(double x, double y, double w, double h, const QString& text) {
        const QRectF box = Box(x, y, w, h);
        if (painter_.fontMetrics().horizontalAdvance(text) <= box.width()) {
            painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
            return;
        }
        const QFont saved = painter_.font();
        QFont small = saved;
        small.setPointSizeF(std::min(saved.pointSizeF(), 6.5));
        painter_.setFont(small);
        painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
        painter_.setFont(saved);
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

void DrawHeaderRow(PageDrawer& draw, double y) {
    draw.Font(9, true);
    double x = 0;
    for (const ColumnSpec& column : kColumns) {
        // Wrapped rather than cut: German titles ("Bewertung", "Grenzwert") outgrow the narrow columns.
        draw.WrappedText(x, y, column.width - 1, kHeaderRow,
                         QCoreApplication::translate("SiteReport", column.title));
        x += column.width;
    }
    draw.Rule(y + kHeaderRow, 1.5);
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

// Cells that wrap onto a second line rather than being cut.
constexpr std::size_t kModeCell = 1;
constexpr std::size_t kVerdictCell = 8;  // "nicht bestanden" must never read "nicht be…"
constexpr std::size_t kNotesCell = 9;

void DrawResultCells(PageDrawer& draw, const ReportedResult& result, double x, double y, bool bold) {
    const std::vector<QString> cells = ResultCells(result);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const ColumnSpec& column = kColumns[i + 2];
        const bool verdict = i == kVerdictCell;
        draw.Font(bold ? 9 : 8, bold || (verdict && result.view.verdict == archive::Verdict::Fail));
        draw.painter().setPen(verdict ? VerdictColour(result.view.verdict) : QColor(Qt::black));
        if (i == kModeCell || i == kVerdictCell || i == kNotesCell) {
            draw.WrappedText(x, y, column.width - 1, kLine, cells[i]);
        } else {
            draw.Text(x, y, column.width - 1, kLine, cells[i]);
        }
        x += column.width;
    }
    draw.painter().setPen(Qt::black);
}

double DrawBlock(PageDrawer& draw, const PointSection& section, double y) {
    const double resultsX = kColumns[0].width + kColumns[1].width;
    draw.Font(9, true);
    draw.Text(0, y, kColumns[0].width - 1, kLine, Q(section.point.fields.name));
    draw.Font(9);
    draw.Text(kColumns[0].width, y, kColumns[1].width - 1, kLine,
              texts::PointKindText(section.point.fields.kind));
    if (section.results.empty()) {
        draw.Text(resultsX, y, 120, kLine,
                  QCoreApplication::translate("SiteReport", "no result in the date range"));
    } else {
        DrawResultCells(draw, section.results.front(), resultsX, y, true);
    }
    y += kLine;
    const std::size_t earlier = section.results.empty() ? 0 : section.results.size() - 1;
    for (std::size_t i = 1; i <= std::min(earlier, kEarlierShown); ++i) {
        draw.Font(8);
        // An attempt newer than the point's standing that measured nothing is said to be one.
        const bool newerAttempt = section.tested && i <= static_cast<std::size_t>(section.failedSince);
        draw.Text(kColumns[0].width, y, kColumns[1].width - 1, kLine,
                  newerAttempt ? QCoreApplication::translate("SiteReport", "newer, failed")
                               : QCoreApplication::translate("SiteReport", "earlier"),
                  Qt::AlignRight);
        DrawResultCells(draw, section.results[i], resultsX, y, false);
        y += kLine;
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
    std::vector<int> lines;
    for (const PointSection& section : report.points) {
        lines.push_back(BlockLines(section));
    }
    const double body = kPrintableHeight - kFooter - kHeaderRow - kLine;  // a line kept for the summary
    layout.pageStarts = PageStarts(lines, LinesPerPage(body - kSiteBlock), LinesPerPage(body));
    return layout;
}

void DrawSiteReportPage(QPainter& painter, const SiteReport& report, const SiteReportLayout& layout,
                        int page) {
    PageDrawer draw(painter, layout.dotsPerMm);
    double y = page == 0 ? DrawSiteBlock(draw, report) : 0;
    DrawHeaderRow(draw, y);
    y += kHeaderRow;
    const std::size_t first = layout.pageStarts[static_cast<std::size_t>(page)];
    const bool last = page + 1 == layout.Pages();
    const std::size_t end =
        last ? report.points.size() : layout.pageStarts[static_cast<std::size_t>(page) + 1];
    for (std::size_t i = first; i < end; ++i) {
        y = DrawBlock(draw, report.points[i], y);
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
