#include "PageInk.h"

#include <QPainter>

#include "DrawingStyle.h"

namespace terrovane::form {

int PageInk::DrawTextIn(const QRect& rect, const std::string& text) {
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
    painter.setFont(MakeFont(state_.faceName, state_.pointSize, dpiY_, state_.attributes));
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

void PageInk::DrawRect(const QRect& rect, int penWidth, int fill, int lineStyle) {
    if (rect.isEmpty())
        return;  // a rectangle without area draws nothing
    QPainter& painter = *state_.painter;
    painter.save();
    painter.setPen(penWidth > 0 ? QPen(Qt::black, penWidth, LinePenStyle(lineStyle)) : QPen(Qt::NoPen));
    painter.setBrush(FillBrush(fill));
    painter.drawRect(rect);
    painter.restore();
}

void PageInk::DrawLine(int x1, int y1, int x2, int y2, int penWidth, int lineStyle) {
    if (x1 == x2 && y1 == y2)
        return;  // a line without length draws nothing (a PDF would get an empty path)
    QPainter& painter = *state_.painter;
    painter.save();
    painter.setPen(QPen(Qt::black, penWidth, LinePenStyle(lineStyle)));
    painter.drawLine(x1, y1, x2, y2);
    painter.restore();
}

}  // namespace terrovane::form
