#pragma once

#include <QString>

#include <string>
#include <vector>

#include "PageDrawer.h"
#include "SiteReport.h"

// The parts of the report's document, each drawn into the body between the page's header and footer (the
// painter's origin at the body's top left, `kBodyHeight` mm tall) or, for the bands, into the printable area.
namespace terrovane::sitereport {

// The firm, the report's number or "Draft", above every page.
void DrawPageHeader(PageDrawer& draw, const SiteReport& report);
// The program, the site and the page number, below every page.
void DrawPageFooter(PageDrawer& draw, const SiteReport& report, int page, int pages);

// The first page: the firm with its logo, the client, the site, the number, visits and who prepared,
// checked and issued it.
void DrawTitlePage(PageDrawer& draw, const SiteReport& report);
// "Report 2026-0017, revision 1" or "Draft".
QString NumberText(const ReportFront& front);

// The summary table: each point with its limit and source, newest result, verdict and due date.
std::vector<std::size_t> SummaryPageStarts(const SiteReport& report, double dotsPerMm);
void DrawSummaryPage(PageDrawer& draw, const SiteReport& report, const std::vector<std::size_t>& starts,
                     int page);

// The details: every point's results, each with its method and conditions.
std::vector<std::size_t> DetailPageStarts(const SiteReport& report, double dotsPerMm);
void DrawDetailPage(PageDrawer& draw, const SiteReport& report, const std::vector<std::size_t>& starts,
                    int page);
// The line beneath a result: its method, the visit's conditions on its day, and for a typed result who typed
// it from which instrument.
QString ResultDetailText(const SiteReport& report, const ReportedResult& result);

// The photos chosen for the report, with their captions: four to a page, point by point.
struct PhotoRef {
    std::size_t point;
    std::size_t photo;
};
std::vector<std::vector<PhotoRef>> PhotoPages(const SiteReport& report);
void DrawPhotoPage(PageDrawer& draw, const SiteReport& report, const std::vector<PhotoRef>& photos);

// The verdicts' summary and the signatures, last.
void DrawSignaturePage(PageDrawer& draw, const SiteReport& report);
// The signature block from `y` mm down, `width` mm wide; returns where it ends.
double DrawSignatureBlock(PageDrawer& draw, const ReportFront& front, double y, double width);

// A PNG, JPEG or SVG fitted into the box (millimetres), its proportions kept; false where it is none.
bool DrawPicture(PageDrawer& draw, const std::string& bytes, const std::string& type, double x, double y,
                 double w, double h);

}  // namespace terrovane::sitereport
