// Logos, signatures and photos on the report's pages: a PNG or JPEG as an image, an SVG drawn as vectors.
#include <QImage>
#include <QSvgRenderer>

#include "SiteReportDocument.h"

namespace terrovane::sitereport {
namespace {

// The largest rectangle of the picture's proportions inside the box, centred on its left edge's middle.
QRectF Fitted(const QRectF& box, QSizeF size) {
    if (size.width() <= 0 || size.height() <= 0) {
        return {};
    }
    size.scale(box.size(), Qt::KeepAspectRatio);
    return {box.left(), box.top() + (box.height() - size.height()) / 2, size.width(), size.height()};
}

}  // namespace

bool DrawPicture(PageDrawer& draw, const std::string& bytes, const std::string& type, double x, double y,
                 double w, double h) {
    const QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QRectF box = draw.Box(x, y, w, h);
    if (type == "svg") {
        QSvgRenderer svg(data);
        const QRectF target = svg.isValid() ? Fitted(box, svg.viewBoxF().size()) : QRectF();
        if (target.isEmpty()) {
            return false;
        }
        svg.render(&draw.painter(), target);
        return true;
    }
    const QImage image = QImage::fromData(data);
    const QRectF target = image.isNull() ? QRectF() : Fitted(box, image.size());
    if (target.isEmpty()) {
        return false;
    }
    // PDF/A-1 has no transparency: the image lies on the white of the page.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter flatten(&opaque);
    flatten.drawImage(0, 0, image);
    flatten.end();
    draw.painter().drawImage(target, opaque);
    return true;
}

}  // namespace terrovane::sitereport
