#include "ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace terrovane::res {

namespace {

void DrawBody(QPainter& p, double s) {
    QPainterPath body;
    body.addRoundedRect(QRectF(0.12 * s, 0.03 * s, 0.76 * s, 0.94 * s), 0.12 * s, 0.12 * s);
    p.setPen(QPen(QColor(90, 60, 10), std::max(1.0, s / 32)));
    p.setBrush(QColor(240, 170, 30));
    p.drawPath(body);
    p.setPen(QPen(QColor(30, 40, 30), std::max(1.0, s / 48)));
    p.setBrush(QColor(170, 200, 160));
    p.drawRect(QRectF(0.22 * s, 0.12 * s, 0.56 * s, 0.28 * s));
}

void DrawGroundSymbol(QPainter& p, double s) {
    const double width = std::max(1.5, s / 14);
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
    const double cx = 0.5 * s;
    p.drawLine(QPointF(cx, 0.47 * s), QPointF(cx, 0.65 * s));
    const double halves[] = {0.24, 0.15, 0.06};
    for (int i = 0; i < 3; ++i) {
        const double y = (0.67 + 0.1 * i) * s;
        p.drawLine(QPointF(cx - halves[i] * s, y), QPointF(cx + halves[i] * s, y));
    }
}

}  // namespace

QPixmap DrawProgramIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, size > 16);
    DrawBody(p, size);
    DrawGroundSymbol(p, size);
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addPixmap(DrawProgramIcon(size));
    }
    return icon;
}

}  // namespace terrovane::res
