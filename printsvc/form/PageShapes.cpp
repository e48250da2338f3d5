#include "PageShapes.h"

#include <QImage>
#include <QPainter>

#include "DrawingStyle.h"

#include "PrintForm.h"

namespace terrovane::form {

PageShapes::PageShapes(PrintForm& form) : form_(form), state_(form.MutableState()), scale_(form.Scale()) {}

void PageShapes::Line(double x1, double y1, double x2, double y2, int penWidth, int lineStyle, Unit unit,
                      const SubRegion* region) {
    const int dx = state_.centringOffset + (region ? region->left : 0);
    const int dy = region ? region->top : 0;
    form_.Ink().DrawLine(dx + scale_.ToDevice(x1, unit, true), dy + scale_.ToDevice(y1, unit, false),
                         dx + scale_.ToDevice(x2, unit, true), dy + scale_.ToDevice(y2, unit, false),
                         penWidth, lineStyle == kKeepStyle ? state_.lineStyle : lineStyle);
}

void PageShapes::Rectangle(double left, double top, double right, double bottom, int penWidth, int fill,
                           int lineStyle, Unit unit, const SubRegion* region) {
    const int dx = state_.centringOffset + (region ? region->left : 0);
    const int dy = region ? region->top : 0;
    const QRect rect =
        RectFromEdges(dx + scale_.ToDevice(left, unit, true), dy + scale_.ToDevice(top, unit, false),
                      dx + scale_.ToDevice(right, unit, true), dy + scale_.ToDevice(bottom, unit, false));
    form_.Ink().DrawRect(rect, penWidth, fill == kKeepStyle ? state_.fill : fill,
                         lineStyle == kKeepStyle ? state_.lineStyle : lineStyle);
}

void PageShapes::FilledRectangle(double left, double top, double right, double bottom, int fill, Unit unit,
                                 const SubRegion* region) {
    Rectangle(left, top, right, bottom, 0, fill, kKeepStyle, unit, region);
}

void PageShapes::CheckBox(double row, double column, bool checked, int fill, const std::string& label,
                          Unit unit) {
    const int x = scale_.ToDevice(column, unit, true);
    const int y = scale_.ToDevice(row, unit, false);
    if (form_.Beyond(x, y))
        return;
    const int side = FontPixelHeight(state_.pointSize, scale_.ResolutionY());
    const int left = state_.centringOffset + x;
    form_.Ink().DrawRect(RectFromEdges(left, y, left + side, y + side), 1, checked ? fill : 0, 0);
    if (checked && fill == 0) {
        form_.Ink().DrawLine(left, y, left + side, y + side, 1, 0);
        form_.Ink().DrawLine(left, y + side, left + side, y, 1, 0);
    }
    if (!label.empty()) {
        form_.SaveState();
        state_.attributes = kSingleLine | kVerticallyCentred | kNoClip;
        form_.Ink().DrawTextIn(
            RectFromEdges(left + side * 3 / 2, y, state_.pageWidth - state_.centringOffset, y + side), label);
        form_.RestoreState();
    }
}

bool PageShapes::Bitmap(const std::string& path, double left, double top, double right, double bottom,
                        Unit unit) {
    const QImage image(QString::fromStdString(path));
    if (image.isNull())
        return false;
    const int dx = state_.centringOffset;
    state_.painter->drawImage(
        RectFromEdges(dx + scale_.ToDevice(left, unit, true), scale_.ToDevice(top, unit, false),
                      dx + scale_.ToDevice(right, unit, true), scale_.ToDevice(bottom, unit, false)),
        image);
    return true;
}

}  // namespace terrovane::form
