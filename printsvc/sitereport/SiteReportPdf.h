#pragma once

#include <string>

#include "SiteReport.h"

class QPagedPaintDevice;
class QPainter;

namespace terrovane::sitereport {

// A4 landscape with 10 mm margins.
void SetSiteReportPaper(QPagedPaintDevice& device);

// How many pages the whole report takes on a device of this resolution: the title page, the summary
// table, the details, the photos, the stored analyses and the signatures.
int SiteReportPageCount(const SiteReport& report, int resolution);
// Draws the report's pages `from` to `to` (from 1; `to` 0: to the end) on `device`, which `painter` is
// active on. The PDF and the printer get the same pages from it, numbered as in the whole report. The
// device's paper is left as it is (SetSiteReportPaper sets the report's own).
void DrawSiteReport(QPainter& painter, QPagedPaintDevice& device, const SiteReport& report, int from = 1,
                    int to = 0);

// Writes the whole report as a PDF/A-1b, replacing `path` only once it is complete. False with `error` set.
bool RenderSiteReportPdf(const SiteReport& report, const std::string& path, std::string& error);

}  // namespace terrovane::sitereport
