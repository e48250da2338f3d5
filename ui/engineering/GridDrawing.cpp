#include "GridDrawing.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

#include "TypedNumber.h"

namespace terrovane::engineering {
namespace {

QString Metres(double value) {
    return QCoreApplication::translate("GridWindow", "%1 m").arg(keyboard::ShownSignificant(value, 4));
}

}  // namespace

GridDrawing::GridDrawing(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 160);  // below the tab bar, still within a small screen beside the results
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GridDrawing::SetGrid(const grid::GridLayout& layout, const std::vector<grid::Point>& rods) {
    layout_ = layout;
    conductors_ = layout.length > 0 && layout.width > 0 ? grid::ConductorSegments(layout)
                                                        : std::vector<grid::Segment>{};
    rods_ = conductors_.empty() ? std::vector<grid::Point>{} : rods;
    setAccessibleDescription(
        conductors_.empty()
            ? QString()
            : QCoreApplication::translate("GridWindow", "Grid of %1 by %2 with %3 conductors and %4 rods")
                  .arg(Metres(layout.length), Metres(layout.width))
                  .arg(conductors_.size())
                  .arg(rods_.size()));
    update();
}

void GridDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (conductors_.empty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = painter.fontMetrics();
    const double margin = metrics.height() * 2.0;
    const double scale =
        std::min((width() - 2 * margin) / layout_.length, (height() - 2 * margin) / layout_.width);
    if (!(scale > 0))
        return;
    // The grid's y runs up the page, as on a site plan; centred in the widget.
    const double left = (width() - scale * layout_.length) / 2;
    const double bottom = (height() + scale * layout_.width) / 2;
    auto at = [&](grid::Point p) { return QPointF(left + scale * p.x, bottom - scale * p.y); };
    painter.setPen(QPen(palette().text().color(), 1.5));
    for (const grid::Segment& segment : conductors_)
        painter.drawLine(at(segment.from), at(segment.to));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc0, 0x50, 0x10));
    const double radius = std::max(3.0, metrics.height() / 4.0);
    for (const grid::Point& rod : rods_)
        painter.drawEllipse(at(rod), radius, radius);
    painter.setPen(palette().text().color());
    const QPointF lengthLabel = at({layout_.length / 2, 0}) + QPointF(0, metrics.height() * 1.2);
    const QString length = Metres(layout_.length);
    painter.drawText(lengthLabel - QPointF(metrics.horizontalAdvance(length) / 2.0, 0), length);
    painter.save();
    painter.translate(at({0, layout_.width / 2}) - QPointF(metrics.height() * 0.6, 0));
    painter.rotate(-90);
    const QString widthText = Metres(layout_.width);
    painter.drawText(QPointF(-metrics.horizontalAdvance(widthText) / 2.0, 0), widthText);
    painter.restore();
}

}  // namespace terrovane::engineering
