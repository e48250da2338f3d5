#include <QImage>
#include <QPainter>

#include "DrawingStyle.h"
#include "PrintForm.h"

namespace terrovane::form {

void PrintForm::DrawRect(const QRect& rect, int penWidth, int fill, int lineStyle) {
    if (rect.isEmpty())
        return;  // a rectangle without area draws nothing
    QPainter& painter = *state_.painter;
    painter.save();
    painter.setPen(penWidth > 0 ? QPen(Qt::black, penWidth, LinePenStyle(lineStyle)) : QPen(Qt::NoPen));
    painter.setBrush(FillBrush(fill));
    painter.drawRect(rect);
    painter.restore();
}

void PrintForm::DrawLine(int x1, int y1, int x2, int y2, int penWidth, int lineStyle) {
    if (x1 == x2 && y1 == y2)
        return;  // a line without length draws nothing (a PDF would get an empty path)
    QPainter& painter = *state_.painter;
    painter.save();
    painter.setPen(QPen(Qt::black, penWidth, LinePenStyle(lineStyle)));
    painter.drawLine(x1, y1, x2, y2);
    painter.restore();
}

void PrintForm::Line(double x1, double y1, double x2, double y2, int penWidth, int lineStyle, Unit unit,
                     const SubRegion* region) {
    const int dx = state_.centringOffset + (region ? region->left : 0);
    const int dy = region ? region->top : 0;
    DrawLine(dx + ToDevice(x1, unit, true), dy + ToDevice(y1, unit, false), dx + ToDevice(x2, unit, true),
             dy + ToDevice(y2, unit, false), penWidth,
             lineStyle == kKeepStyle ? state_.lineStyle : lineStyle);
}

void PrintForm::Rectangle(double left, double top, double right, double bottom, int penWidth, int fill,
                          int lineStyle, Unit unit, const SubRegion* region) {
    const int dx = state_.centringOffset + (region ? region->left : 0);
    const int dy = region ? region->top : 0;
    const QRect rect = RectFromEdges(dx + ToDevice(left, unit, true), dy + ToDevice(top, unit, false),
                                     dx + ToDevice(right, unit, true), dy + ToDevice(bottom, unit, false));
    DrawRect(rect, penWidth, fill == kKeepStyle ? state_.fill : fill,
             lineStyle == kKeepStyle ? state_.lineStyle : lineStyle);
}

void PrintForm::FilledRectangle(double left, double top, double right, double bottom, int fill, Unit unit,
                                const SubRegion* region) {
    Rectangle(left, top, right, bottom, 0, fill, kKeepStyle, unit, region);
}

void PrintForm::CheckBox(double row, double column, bool checked, int fill, const std::string& label,
                         Unit unit) {
    const int x = ToDevice(column, unit, true);
    const int y = ToDevice(row, unit, false);
    if (Beyond(x, y))
        return;
    const int side = FontPixelHeight(state_.pointSize, axisY_.resolution);
    const int left = state_.centringOffset + x;
    DrawRect(RectFromEdges(left, y, left + side, y + side), 1, checked ? fill : 0, 0);
    if (checked && fill == 0) {
        DrawLine(left, y, left + side, y + side, 1, 0);
        DrawLine(left, y + side, left + side, y, 1, 0);
    }
    if (!label.empty()) {
        SaveState();
        state_.attributes = kSingleLine | kVerticallyCentred | kNoClip;
        DrawTextIn(RectFromEdges(left + side * 3 / 2, y, state_.pageWidth - state_.centringOffset, y + side),
                   label);
        RestoreState();
    }
}

bool PrintForm::Bitmap(const std::string& path, double left, double top, double right, double bottom,
                       Unit unit) {
    const QImage image(QString::fromStdString(path));
    if (image.isNull())
        return false;
    const int dx = state_.centringOffset;
    state_.painter->drawImage(RectFromEdges(dx + ToDevice(left, unit, true), ToDevice(top, unit, false),
                                            dx + ToDevice(right, unit, true), ToDevice(bottom, unit, false)),
                              image);
    return true;
}

}  // namespace terrovane::form
