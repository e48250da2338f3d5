#pragma once

#include <string>

#include "SiteReport.h"

class QPagedPaintDevice;
class QPainter;

namespace terrovane::sitereport {

// The report's pages for a device of this resolution: which point block starts each page.
struct SiteReportLayout {
    double dotsPerMm = 0;
    std::vector<std::size_t> pageStarts;
    int Pages() const { return static_cast<int>(pageStarts.size()); }
};

// A4 landscape with 10 mm margins.
void SetSiteReportPaper(QPagedPaintDevice& device);
SiteReportLayout LayOutSiteReport(const SiteReport& report, int resolution);
// Draws page `page` (from 0) in the painter's device coordinates, the printable area starting at 0,0.
void DrawSiteReportPage(QPainter& painter, const SiteReport& report, const SiteReportLayout& layout,
                        int page);

// How many pages the whole report takes on a device of this resolution, the stored analyses' included.
int SiteReportPageCount(const SiteReport& report, int resolution);
// Draws the report's pages `from` to `to` (from 1; `to` 0: to the end) on `device`, which `painter` is
// active on: the results, then the stored analyses. The PDF and the printer get the same pages from it,
// numbered as in the whole report. The device's paper is left as it is (SetSiteReportPaper sets the
// report's own).
void DrawSiteReport(QPainter& painter, QPagedPaintDevice& device, const SiteReport& report, int from = 1,
                    int to = 0);

// Writes the whole report as a PDF, replacing `path` only once it is complete. False with `error` set.
bool RenderSiteReportPdf(const SiteReport& report, const std::string& path, std::string& error);

}  // namespace terrovane::sitereport
