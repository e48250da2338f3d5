#include "ReportPages.h"

#include <QPainter>

#include <algorithm>

#include "HandoffFiles.h"
#include "ReportPage.h"

namespace terrovane::printsvc {

ReportPages::ReportPages() {
    handoff::LoadRecordFile(records_);
    count_ = report::CountReportPages(records_);
}

ReportPages::~ReportPages() = default;

void ReportPages::Paint(QPrinter* printer, bool wholeReport, const report::ReportHeaderInfo& header,
                        const std::function<void()>& beforeEachPage) {
    int first = 1, last = count_;
    if (!wholeReport && printer->printRange() == QPrinter::PageRange) {
        first = std::max(1, printer->fromPage());
        last = std::min(count_, printer->toPage());
    }
    QPainter painter(printer);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer->newPage();
        beforeEachPage();
        PaintPage(painter, *printer, page, header);
    }
}

void ReportPages::PaintPage(QPainter& painter, QPrinter& printer, int pageNumber,
                            const report::ReportHeaderInfo& header) {
    const QRect area = printer.pageRect(QPrinter::DevicePixel).toRect();
    const int orientation =
        printer.pageLayout().orientation() == QPageLayout::Landscape ? form::kLandscape : form::kPortrait;
    auto page = std::make_unique<form::PrintForm>(painter, 0, 0, area.width(), area.height(),
                                                  form::kMapPixels, orientation);
    report::DrawReportPage(*page, header, records_, pageNumber - 1);
    pages_[pageNumber - 1] = std::move(page);
}

}  // namespace terrovane::printsvc
