#include "SiteReportPdf.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "ArchivalPdf.h"
#include "SiteReportDocument.h"

namespace terrovane::sitereport {
namespace {

// The report's pages in their order, each a kind and its place among the pages of that kind.
enum class PageKind { Title, Summary, Details, Photos, Analysis, Signatures };
struct PlannedPage {
    PageKind kind;
    int index;
};

struct ReportPlan {
    std::vector<std::size_t> summaryStarts;
    std::vector<std::size_t> detailStarts;
    std::vector<std::vector<PhotoRef>> photoPages;
    std::vector<PlannedPage> pages;
};

ReportPlan PlanReport(const SiteReport& report, double dotsPerMm) {
    ReportPlan plan;
    plan.summaryStarts = SummaryPageStarts(report, dotsPerMm);
    plan.detailStarts = DetailPageStarts(report, dotsPerMm);
    plan.photoPages = PhotoPages(report);
    const auto add = [&](PageKind kind, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            plan.pages.push_back({kind, static_cast<int>(i)});
        }
    };
    add(PageKind::Title, 1);
    add(PageKind::Summary, plan.summaryStarts.size());
    add(PageKind::Details, plan.detailStarts.size());
    add(PageKind::Photos, plan.photoPages.size());
    add(PageKind::Analysis, static_cast<std::size_t>(AnalysisPageCount(report.analyses)));
    add(PageKind::Signatures, 1);
    return plan;
}

void DrawBody(PageDrawer& draw, const SiteReport& report, const ReportPlan& plan, const PlannedPage& page) {
    switch (page.kind) {
        case PageKind::Title:
            DrawTitlePage(draw, report);
            break;
        case PageKind::Summary:
            DrawSummaryPage(draw, report, plan.summaryStarts, page.index);
            break;
        case PageKind::Details:
            DrawDetailPage(draw, report, plan.detailStarts, page.index);
            break;
        case PageKind::Photos:
            DrawPhotoPage(draw, report, plan.photoPages[static_cast<std::size_t>(page.index)]);
            break;
        case PageKind::Analysis:
            DrawAnalysisPage(draw.painter(), report.analyses, draw.DotsPerMm(), kPrintableWidth, kBodyHeight,
                             0, page.index);
            break;
        case PageKind::Signatures:
            DrawSignaturePage(draw, report);
            break;
    }
}

void DrawPage(QPainter& painter, const SiteReport& report, const ReportPlan& plan, double dotsPerMm,
              int page) {
    PageDrawer draw(painter, dotsPerMm);
    DrawPageHeader(draw, report);
    painter.save();
    painter.translate(0, kPageHeader * dotsPerMm);
    DrawBody(draw, report, plan, plan.pages[static_cast<std::size_t>(page)]);
    painter.restore();
    painter.setPen(Qt::black);
    DrawPageFooter(draw, report, page, static_cast<int>(plan.pages.size()));
}

}  // namespace

void DrawPageFooter(PageDrawer& draw, const SiteReport& report, int page, int pages) {
    const double y = kPrintableHeight - kFooter + 2;
    draw.Rule(y - 1, 0.5);
    draw.Font(8);
    draw.Text(0, y, 90, kLine, QStringLiteral("Terrovane ") + Q(report.version));
    // A long site name wraps onto a second line rather than being cut.
    draw.WrappedText(90, y - 0.8, 97, kLine + 1.6, Q(report.site.fields.name), Qt::AlignHCenter);
    draw.Text(187, y, 90, kLine,
              QCoreApplication::translate("SiteReport", "Page %1 of %2").arg(page + 1).arg(pages),
              Qt::AlignRight);
}

void SetSiteReportPaper(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
}

int SiteReportPageCount(const SiteReport& report, int resolution) {
    return static_cast<int>(PlanReport(report, resolution / 25.4).pages.size());
}

void DrawSiteReport(QPainter& painter, QPagedPaintDevice& device, const SiteReport& report, int from,
                    int to) {
    const double dotsPerMm = device.logicalDpiY() / 25.4;
    const ReportPlan plan = PlanReport(report, dotsPerMm);
    const int pages = static_cast<int>(plan.pages.size());
    const int first = std::clamp(from, 1, pages) - 1;
    const int last = to <= 0 ? pages - 1 : std::clamp(to, first + 1, pages) - 1;
    for (int page = first; page <= last; ++page) {
        if (page > first) {
            device.newPage();
        }
        DrawPage(painter, report, plan, dotsPerMm, page);
    }
}

bool RenderSiteReportPdf(const SiteReport& report, const std::string& path, std::string& error) {
    ArchivalPdf pdf;
    pdf.title = QCoreApplication::translate("SiteReport", "Site report: ") + Q(report.site.fields.name);
    pdf.author = ReportAuthor(report.front);
    pdf.subject = NumberText(report.front);
    return WriteArchivalPdf(
        pdf, [&](QPdfWriter& writer) { SetSiteReportPaper(writer); },
        [&](QPainter& painter, QPdfWriter& writer) { DrawSiteReport(painter, writer, report); }, path, error);
}

}  // namespace terrovane::sitereport
