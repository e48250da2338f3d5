#include "ToolbarImages.h"

#include <QPainter>
#include <QPolygon>

namespace terrovane::res {

namespace {

const QColor kOutline(40, 40, 40);
const QColor kBlue(30, 90, 200);

void DrawRead(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(200, 220, 240));
    p.drawRect(1, 1, 12, 9);  // the PC's screen
    p.drawLine(4, 13, 10, 13);
    p.drawLine(7, 10, 7, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(15, 1, 3, 7);
    p.drawPolygon(QPolygon({QPoint(12, 8), QPoint(20, 8), QPoint(16, 13)}));
}

void DrawSave(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(60, 80, 160));
    p.drawRect(3, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(5, 1, 9, 5);
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(6, 9, 7, 5);
}

void DrawPrint(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(Qt::white);
    p.drawRect(6, 1, 8, 5);
    p.setBrush(QColor(180, 180, 180));
    p.drawRect(2, 6, 16, 6);
    p.setBrush(Qt::white);
    p.drawRect(6, 10, 8, 4);
    p.setPen(QColor(0, 160, 0));
    p.drawPoint(15, 8);
}

void DrawShow(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(170, 200, 160));
    p.drawRect(1, 2, 17, 11);
    p.setPen(QPen(Qt::black, 1));
    // Two segment eights, as on the instrument's display.
    for (int x : {4, 11}) {
        p.drawRect(x, 4, 4, 3);
        p.drawRect(x, 7, 4, 3);
    }
}

void DrawClock(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(3.5, 0.5, 14, 14));
    p.setPen(QPen(kBlue, 1.5));
    p.drawLine(QPointF(10.5, 7.5), QPointF(10.5, 3));
    p.drawLine(QPointF(10.5, 7.5), QPointF(14, 9.5));
}

void DrawErase(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(210, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 2), QPointF(15, 13));
    p.drawLine(QPointF(15, 2), QPointF(5, 13));
}

void DrawExit(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(2, 1, 9, 14);  // the door
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 150, 0));
    p.drawRect(10, 6, 5, 3);
    p.drawPolygon(QPolygon({QPoint(14, 3), QPoint(19, 7), QPoint(14, 12)}));
}

}  // namespace

QPixmap ToolbarImage(int index) {
    QPixmap pixmap(kToolbarImageSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    using Draw = void (*)(QPainter&);
    static constexpr Draw kDrawers[kToolbarImageCount] = {DrawRead,  DrawSave,  DrawPrint, DrawShow,
                                                          DrawClock, DrawErase, DrawExit};
    if (index >= 0 && index < kToolbarImageCount) {
        kDrawers[index](p);
    }
    return pixmap;
}

}  // namespace terrovane::res
