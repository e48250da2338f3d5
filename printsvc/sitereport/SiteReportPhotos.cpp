// The photos chosen for the report: four to a page, each under its point's name and above its caption.
#include <QCoreApplication>

#include "SiteReportDocument.h"

namespace terrovane::sitereport {
namespace {

constexpr std::size_t kPhotosPerPage = 4;
constexpr double kPhotoTitle = 9;
constexpr double kPhotoCellWidth = kPrintableWidth / 2;
constexpr double kPhotoCellHeight = (kBodyHeight - kPhotoTitle) / 2;
constexpr double kPhotoName = 6;
constexpr double kPhotoCaption = 15;  // three lines of 8 points

void DrawPhoto(PageDrawer& draw, const PointSection& section, const ReportPhoto& photo, double x, double y) {
    const double w = kPhotoCellWidth - 6;
    draw.Font(9, true);
    draw.Text(x, y, w, kPhotoName, Q(section.point.fields.name));
    const double imageHeight = kPhotoCellHeight - kPhotoName - kPhotoCaption - 2;
    if (!DrawPicture(draw, photo.bytes, "image", x, y + kPhotoName, w, imageHeight)) {
        draw.Font(9);
        draw.Text(
            x, y + kPhotoName, w, kLine,
            QCoreApplication::translate("SiteReport", "this photo cannot be shown: %1").arg(Q(photo.name)));
    }
    draw.Font(8);
    // The caption wraps; the file's name stands in for a photo that has none.
    draw.Paragraph(x, y + kPhotoName + imageHeight + 1, w,
                   photo.caption.empty() ? Q(photo.name) : Q(photo.caption));
}

}  // namespace

std::vector<std::vector<PhotoRef>> PhotoPages(const SiteReport& report) {
    std::vector<std::vector<PhotoRef>> pages;
    for (std::size_t point = 0; point < report.points.size(); ++point) {
        for (std::size_t photo = 0; photo < report.points[point].photos.size(); ++photo) {
            if (pages.empty() || pages.back().size() == kPhotosPerPage) {
                pages.emplace_back();
            }
            pages.back().push_back({point, photo});
        }
    }
    return pages;
}

void DrawPhotoPage(PageDrawer& draw, const SiteReport& report, const std::vector<PhotoRef>& photos) {
    draw.Font(13, true);
    draw.Text(0, 0, kPrintableWidth, 8, QCoreApplication::translate("SiteReport", "Photos"));
    for (std::size_t i = 0; i < photos.size(); ++i) {
        const PointSection& section = report.points[photos[i].point];
        DrawPhoto(draw, section, section.photos[photos[i].photo],
                  static_cast<double>(i % 2) * kPhotoCellWidth,
                  kPhotoTitle + static_cast<double>(i / 2) * kPhotoCellHeight);
    }
}

}  // namespace terrovane::sitereport
