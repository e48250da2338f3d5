// The summary table after the title page: one row per test point with its limit and where the limit comes
// from, its newest result that measured, the verdict and when it is due again.
#include <QCoreApplication>

#include "ResultWords.h"
#include "ResultsOutput.h"
#include "SiteReportDocument.h"

namespace terrovane::sitereport {
namespace {

struct SummaryColumn {
    const char* title;
    double width;  // mm
};

constexpr SummaryColumn kSummaryColumns[] = {
    {QT_TRANSLATE_NOOP("SiteReport", "Test point"), 55},
    {QT_TRANSLATE_NOOP("SiteReport", "Limit"), 22},
    {QT_TRANSLATE_NOOP("SiteReport", "Source"), 58},
    {QT_TRANSLATE_NOOP("SiteReport", "Newest result"), 32},
    {QT_TRANSLATE_NOOP("SiteReport", "Measured"), 30},
    {QT_TRANSLATE_NOOP("SiteReport", "Verdict"), 32},
    {QT_TRANSLATE_NOOP("SiteReport", "Due again"), 48},
};
constexpr double kSummaryTitle = 9;  // the table's heading above its column titles

QString SummaryTr(const char* text) {
    return QCoreApplication::translate("SiteReport", text);
}

std::vector<QString> SummaryCells(const PointSection& section) {
    const std::optional<archive::Limit>& limit = section.point.limit;
    const QString none = SummaryTr(QT_TRANSLATE_NOOP("SiteReport", "none"));
    std::vector<QString> cells = {Q(section.point.fields.name),
                                  limit ? Q(archive::NumberText(limit->ohms) + " Ω") : none,
                                  limit && !limit->source.empty() ? Q(limit->source) : QStringLiteral("–")};
    if (section.tested) {
        const ReportedResult& newest = section.results.front();
        cells.push_back(Q(newest.value));
        cells.push_back(Q(newest.view.date));
        cells.push_back(texts::VerdictText(newest.view.verdict));
    } else {
        cells.push_back(SummaryTr(QT_TRANSLATE_NOOP("SiteReport", "not tested")));
        cells.push_back(QStringLiteral("–"));
        cells.push_back(QStringLiteral("–"));
    }
    cells.push_back(section.due.empty() ? SummaryTr(QT_TRANSLATE_NOOP("SiteReport", "no interval set"))
                                        : Q(section.due));
    return cells;
}

double SummaryRowHeight(CellMeasure& measure, const std::vector<QString>& cells, bool bold) {
    double height = kLine;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        height = std::max(height, measure.Height(cells[i], Font(9, bold), kSummaryColumns[i].width - 1));
    }
    return height;
}

std::vector<QString> SummaryTitles() {
    std::vector<QString> titles;
    for (const SummaryColumn& column : kSummaryColumns) {
        titles.push_back(SummaryTr(column.title));
    }
    return titles;
}

void DrawSummaryRow(PageDrawer& draw, const std::vector<QString>& cells, double y, double height, bool bold,
                    archive::Verdict verdict) {
    double x = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const bool failed = i == 5 && verdict == archive::Verdict::Fail;
        draw.Font(9, bold || failed);
        draw.painter().setPen(failed ? QColor(0xB7, 0x1C, 0x1C) : QColor(Qt::black));
        draw.WrappedText(x, y, kSummaryColumns[i].width - 1, height, cells[i]);
        x += kSummaryColumns[i].width;
    }
    draw.painter().setPen(Qt::black);
}

int SummaryTenths(double mm) {
    return static_cast<int>(mm * 10);
}

}  // namespace

std::vector<std::size_t> SummaryPageStarts(const SiteReport& report, double dotsPerMm) {
    CellMeasure measure(dotsPerMm);
    std::vector<int> heights;
    for (const PointSection& section : report.points) {
        heights.push_back(SummaryTenths(SummaryRowHeight(measure, SummaryCells(section), false)));
    }
    const double body =
        kBodyHeight - kSummaryTitle - SummaryRowHeight(measure, SummaryTitles(), true) - kLine - 1;
    return PageStarts(heights, SummaryTenths(body), SummaryTenths(body));
}

void DrawSummaryPage(PageDrawer& draw, const SiteReport& report, const std::vector<std::size_t>& starts,
                     int page) {
    CellMeasure measure(draw.DotsPerMm());
    draw.Font(13, true);
    draw.Text(0, 0, kPrintableWidth, 8,
              SummaryTr(QT_TRANSLATE_NOOP("SiteReport", "Summary of the test points")));
    double y = kSummaryTitle;
    const std::vector<QString> titles = SummaryTitles();
    const double titleHeight = SummaryRowHeight(measure, titles, true);
    DrawSummaryRow(draw, titles, y, titleHeight, true, archive::Verdict::None);
    y += titleHeight;
    draw.Rule(y, 1.5);
    const std::size_t first = starts[static_cast<std::size_t>(page)];
    const bool last = static_cast<std::size_t>(page) + 1 == starts.size();
    const std::size_t end = last ? report.points.size() : starts[static_cast<std::size_t>(page) + 1];
    for (std::size_t i = first; i < end; ++i) {
        const PointSection& section = report.points[i];
        const std::vector<QString> cells = SummaryCells(section);
        const double height = SummaryRowHeight(measure, cells, false);
        DrawSummaryRow(draw, cells, y, height, false,
                       section.tested ? section.results.front().view.verdict : archive::Verdict::None);
        y += height;
        draw.Rule(y, 0.4);
    }
    if (last) {
        draw.Font(10, true);
        draw.Text(
            0, y + 1, kPrintableWidth, kLine,
            SummaryTr(QT_TRANSLATE_NOOP("SiteReport", "Verdicts: %1")).arg(SummaryText(Summarise(report))));
    }
}

}  // namespace terrovane::sitereport
