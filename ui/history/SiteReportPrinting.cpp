#include "SiteReportPrinting.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTimer>

#include "SiteReportPdf.h"

namespace terrovane::history {

bool PrintSiteReport(const sitereport::SiteReport& report, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // Qt leaves a chosen range of pages to the program (unless the print server takes it).
    const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    sitereport::DrawSiteReport(painter, printer, report, range ? printer.fromPage() : 1,
                               range ? printer.toPage() : 0);
    return painter.end();
}

void PreviewSiteReport(const sitereport::SiteReport& report, QWidget* parent,
                       const std::function<void(QPrintPreviewDialog&)>& shown) {
    QPrinter printer(QPrinter::HighResolution);
    sitereport::SetSiteReportPaper(printer);
    printer.setDocName(QCoreApplication::translate("SiteReport", "Site report: ") +
                       QString::fromStdString(report.site.fields.name));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QCoreApplication::translate("SiteReport", "Site report: ") +
                           QString::fromStdString(report.site.fields.name));
    if (parent != nullptr && parent->screen() != nullptr) {
        preview.resize(parent->screen()->availableGeometry().size() * 0.85);  // a page legible at first sight
    }
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&report](QPrinter* target) { PrintSiteReport(report, *target); });
    if (shown) {
        QTimer::singleShot(0, &preview, [&preview, &shown] { shown(preview); });
    }
    preview.exec();
}

int PreviewPageCount(const QPrintPreviewDialog& preview) {
    const auto* widget = preview.findChild<QPrintPreviewWidget*>();
    return widget != nullptr ? widget->pageCount() : 0;
}

}  // namespace terrovane::history
