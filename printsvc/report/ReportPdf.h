#pragma once

#include <string>

#include "RecordTable.h"
#include "ReportHeaderInfo.h"

class QPrinter;

namespace terrovane::report {

// Gives a printer the report's default paper: A4 portrait with quarter-inch margins.
void SetReportPaper(QPrinter& printer);

// Draws every report page (CountReportPages of them) onto a PDF file. False with a reason in `error`
// when there is nothing to print or the file cannot be written.
bool RenderReportPdf(const record::RecordTable& table, const ReportHeaderInfo& header,
                     const std::string& pdfPath, std::string* error = nullptr);

}  // namespace terrovane::report
