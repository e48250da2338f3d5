#include <QPainter>

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "DrawingStyle.h"
#include "PrintForm.h"

namespace terrovane::form {

double PrintForm::PrintTextAt(double row, double column, int attributes, int pointSize, const char* format,
                              ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(textBuffer_.data(), textBuffer_.size(), format, args);
    va_end(args);
    return PrintText(row, column, attributes, pointSize, std::string(textBuffer_.data()), Unit::Inches);
}

double PrintForm::PrintText(double row, double column, int attributes, int pointSize, const std::string& text,
                            Unit unit, double* endColumn) {
    const int deviceColumn = column < 0 ? state_.textRight : ToDevice(column, unit, true);
    const int deviceRow = ToDevice(row, unit, false);
    if (Beyond(deviceColumn, deviceRow))
        return FromDevice(state_.y, unit, false);

    state_.text = text;
    if (pointSize > 0)
        state_.pointSize = pointSize;
    if (attributes != kKeepAttributes)
        state_.attributes = attributes;
    state_.x = deviceColumn;
    state_.y = deviceRow;
    const int offset = state_.centringOffset;
    const int right = std::min(offset + state_.rightLimit, state_.pageWidth - offset);
    int next = DrawTextIn(RectFromEdges(offset + deviceColumn, deviceRow, right, state_.bottomLimit), text);
    if (lineSpacing_ > 1.0)
        next += ToDeviceY((lineSpacing_ - 1.0) * state_.pointSize / 72.0);
    if (endColumn != nullptr)
        *endColumn = FromDevice(state_.textRight, unit, true);
    return FromDevice(next, unit, false);
}

double PrintForm::PrintUserText(double row, double column, int textId, Unit unit) {
    const std::string text = userText_ ? userText_(textId) : std::string();
    return PrintText(row, column, kKeepAttributes, 0, text, unit);
}

double PrintForm::PrintTextInRegion(const SubRegion& region, double row, double column,
                                    const std::string& text, Unit unit) {
    const double top = FromDevice(region.top, unit, false);
    const double left = FromDevice(region.left, unit, true);
    return PrintText(top + row, left + column, kKeepAttributes, 0, text, unit);
}

double PrintForm::PrintTextInBox(double left, double top, double right, double bottom, int attributes,
                                 int pointSize, int fill, const std::string& text, Unit unit,
                                 const SubRegion* region) {
    int l = ToDevice(left, unit, true), t = ToDevice(top, unit, false);
    int r = ToDevice(right, unit, true), b = ToDevice(bottom, unit, false);
    if (region != nullptr) {
        l += region->left, r += region->left, t += region->top, b += region->top;
    }
    if (Beyond(l, t))
        return FromDevice(state_.y, unit, false);
    SaveState();
    if (pointSize > 0)
        state_.pointSize = pointSize;
    if (attributes != kKeepAttributes)
        state_.attributes = attributes | kBox;
    if (fill != kKeepStyle)
        state_.fill = fill;
    const int offset = state_.centringOffset;
    const int next = DrawTextIn(RectFromEdges(offset + l, t, offset + r, b), text);
    const PrintState results = state_;
    RestoreState();
    state_.textRight = results.textRight;
    state_.textBottom = results.textBottom;
    state_.nextRow = results.nextRow;
    return FromDevice(next, unit, false);
}

int PrintForm::DrawTextIn(const QRect& rect, const std::string& text) {
    QPainter& painter = *state_.painter;
    if (text.empty()) {
        state_.nextRow = rect.top() + 2 * state_.pointSize;
        return state_.nextRow;
    }
    // Texts are laid out in device pixels whatever the map mode, so fonts keep their true size.
    const QTransform toDevice = painter.combinedTransform();
    QRect deviceRect = toDevice.mapRect(rect);
    painter.save();
    painter.setWorldMatrixEnabled(false);
    painter.setViewTransformEnabled(false);
    painter.setFont(MakeFont(state_.faceName, state_.pointSize, axisY_.resolution, state_.attributes));
    const int flags = TextFlags(state_.attributes);
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (rect.right() + 1 == 0 && rect.bottom() + 1 == 0) {
        deviceRect = painter.boundingRect(QRect(deviceRect.topLeft(), QSize(1 << 20, 1 << 20)), flags, qtext);
    }
    QColor color = state_.textColor;
    if (state_.attributes & kBox) {
        if (FillWantsWhiteText(state_.fill))
            color = Qt::white;
        painter.setPen(QPen(Qt::black, state_.penWidth, LinePenStyle(state_.lineStyle)));
        painter.setBrush(FillBrush(state_.fill));
        if (!deviceRect.isEmpty())
            painter.drawRect(deviceRect);
    }
    painter.setPen(color);
    // A rectangle without room shows nothing (as clipping to it would).
    if (deviceRect.width() > 0 && deviceRect.height() > 0)
        painter.drawText(deviceRect, flags, qtext);
    const QRect measured = painter.boundingRect(deviceRect, flags, qtext);
    painter.restore();

    const QRect logical = toDevice.inverted().mapRect(measured);
    state_.textRight = logical.left() + logical.width();
    state_.textBottom = logical.top() + logical.height();
    state_.nextRow = state_.textBottom;
    return state_.nextRow;
}

}  // namespace terrovane::form
