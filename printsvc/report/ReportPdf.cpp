#include "ReportPdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "AtomicFile.h"
#include "PrintForm.h"
#include "ReportPage.h"

namespace terrovane::report {
namespace {

bool Fail(std::string* error, const std::string& reason) {
    if (error != nullptr)
        *error = reason;
    return false;
}

// The whole PDF in memory: the file is written in one piece afterwards.
bool DrawPdf(const record::RecordTable& table, const ReportHeaderInfo& header, int pages, QBuffer& out) {
    QPdfWriter writer(&out);
    writer.setResolution(kReportPdfResolution);
    SetReportPaper(writer);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const QRect area = writer.pageLayout().paintRectPixels(writer.resolution());
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            writer.newPage();
        form::PrintForm page(painter, 0, 0, area.width(), area.height(), form::kMapPixels, form::kPortrait);
        DrawReportPage(page, header, table, p);
    }
    return painter.end();
}

}  // namespace

void SetReportPaper(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
}

bool RenderReportPdf(const record::RecordTable& table, const ReportHeaderInfo& header,
                     const std::string& pdfPath, std::string* error) {
    const int pages = CountReportPages(table);
    if (pages == 0)
        return Fail(error, "no records to print");
    QBuffer pdf;
    if (!pdf.open(QIODevice::WriteOnly) || !DrawPdf(table, header, pages, pdf))
        return Fail(error, "cannot draw the report");
    std::string reason;
    if (!platform::WriteFileAtomically(pdfPath, std::string_view(pdf.data().constData(), pdf.data().size()),
                                       reason)) {
        return Fail(error, "cannot write " + reason);
    }
    return true;
}

}  // namespace terrovane::report
