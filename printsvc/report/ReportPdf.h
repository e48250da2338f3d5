#pragma once

#include <string>

#include "RecordTable.h"
#include "ReportHeaderInfo.h"

class QPagedPaintDevice;

namespace terrovane::report {

// The resolution the report is drawn at on a PDF, in dots per inch (that of a high-resolution printer).
inline constexpr int kReportPdfResolution = 1200;

// Gives a printer or a PDF writer the report's default paper: A4 portrait with quarter-inch margins.
void SetReportPaper(QPagedPaintDevice& device);

// Draws every report page (CountReportPages of them) onto a PDF file, which replaces an earlier file at
// the path only once it is completely written. False with a reason in `error` when there is nothing to
// print or the file cannot be written (an earlier file is then unchanged).
bool RenderReportPdf(const record::RecordTable& table, const ReportHeaderInfo& header,
                     const std::string& pdfPath, std::string* error = nullptr);

}  // namespace terrovane::report
