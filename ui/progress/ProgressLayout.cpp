#include "ProgressLayout.h"

#include <cstdint>

namespace terrovane::ui {

ProgressLayout ComputeProgressLayout(const ProgressMetrics& m) {
    ProgressLayout layout;
    layout.message = QRect(10, 10, m.messageWidth, m.messageHeight);
    const int buttonWidth = m.buttonTextWidth + 4 * m.edgeX;
    const int buttonHeight = m.textHeight + 3 * m.edgeY;
    const int messageRight = layout.message.x() + layout.message.width();
    const int messageBottom = layout.message.y() + layout.message.height();
    layout.button = QRect(messageRight - buttonWidth, messageBottom + 10, buttonWidth, buttonHeight);
    const int barRight = layout.button.x() - 10;
    layout.bar = QRect(layout.message.x(), layout.button.y() + m.edgeY, barRight - layout.message.x(),
                       buttonHeight - 2 * m.edgeY);
    layout.client = QSize(messageRight + 20, layout.button.y() + buttonHeight + 30);
    return layout;
}

int ProgressPercent(int lower, int upper, int pos) {
    if (lower >= upper) {
        return 0;
    }
    // Measured from the range's start, so a range that does not begin at 0 still reads 0..100 %.
    const std::int64_t done = static_cast<std::int64_t>(pos) - lower;
    return static_cast<int>(done * 100 / (static_cast<std::int64_t>(upper) - lower));
}

QString ProgressCaption(const QString& stem, int percent) {
    return QStringLiteral("%1 [%2%]").arg(stem).arg(percent);
}

QPoint ProgressPlacement(QPoint stored, QSize screen, QRect area, QSize windowSize) {
    const bool onScreen =
        stored.x() >= 0 && stored.x() < screen.width() && stored.y() >= 0 && stored.y() < screen.height();
    if (onScreen) {
        return stored;
    }
    return QPoint(area.x() + (area.width() - windowSize.width()) / 2,
                  area.y() + (area.height() - windowSize.height()) / 2);
}

}  // namespace terrovane::ui
