#include "ReportPdf.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "PrintForm.h"
#include "ReportPage.h"

namespace terrovane::report {

void SetReportPaper(QPrinter& printer) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
}

bool RenderReportPdf(const record::RecordTable& table, const ReportHeaderInfo& header,
                     const std::string& pdfPath, std::string* error) {
    const int pages = CountReportPages(table);
    if (pages == 0) {
        if (error != nullptr)
            *error = "no records to print";
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(pdfPath)));
    SetReportPaper(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error != nullptr)
            *error = "cannot write " + pdfPath;
        return false;
    }
    const QRect area = printer.pageRect(QPrinter::DevicePixel).toRect();
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            printer.newPage();
        form::PrintForm page(painter, 0, 0, area.width(), area.height(), form::kMapPixels, form::kPortrait);
        DrawReportPage(page, header, table, p);
    }
    if (!painter.end()) {
        if (error != nullptr)
            *error = "cannot write " + pdfPath;
        return false;
    }
    return true;
}

}  // namespace terrovane::report
