#include "FlowLayout.h"

#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace terrovane::screenfit {

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) {
        delete item;
    }
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

int FlowLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return items_.value(index);
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

Qt::Orientations FlowLayout::expandingDirections() const {
    return {};
}

bool FlowLayout::hasHeightForWidth() const {
    return true;
}

int FlowLayout::heightForWidth(int width) const {
    return Arrange(QRect(0, 0, width, 0), false);
}

// As narrow as its widest item: everything else wraps.
QSize FlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items_) {
        size = size.expandedTo(item->minimumSize());
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

// All on one row.
QSize FlowLayout::sizeHint() const {
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty()) {
            continue;
        }
        width += item->sizeHint().width() + (width > 0 ? Spacing() : 0);
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int FlowLayout::Spacing() const {
    if (spacing() >= 0) {
        return spacing();
    }
    const QWidget* owner = parentWidget();
    return owner != nullptr ? owner->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, owner)
                            : 6;
}

int FlowLayout::Arrange(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = Spacing();
    int x = area.x();
    int y = area.y();
    int rowHeight = 0;
    // Widths of what follows a stretch on the current row, so the stretch can push it to the right.
    for (int i = 0; i < items_.size(); ++i) {
        QLayoutItem* item = items_.at(i);
        if (item->isEmpty() && item->spacerItem() == nullptr) {
            continue;
        }
        if (QSpacerItem* spacer = item->spacerItem()) {
            int rest = 0;
            for (int j = i + 1; j < items_.size(); ++j) {
                if (!items_.at(j)->isEmpty()) {
                    rest += items_.at(j)->sizeHint().width() + gap;
                }
            }
            const int pushed = area.right() + 1 - rest;
            if (spacer->expandingDirections() & Qt::Horizontal && pushed > x) {
                x = pushed;
            }
            continue;
        }
        const QSize size = item->sizeHint().boundedTo(area.size().expandedTo(item->minimumSize()));
        if (x > area.x() && x + size.width() > area.right() + 1) {
            x = area.x();
            y += rowHeight + gap;
            rowHeight = 0;
        }
        if (apply) {
            item->setGeometry(QRect(QPoint(x, y), size));
        }
        x += size.width() + gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    return y + rowHeight - rect.y() + contentsMargins().bottom();
}

}  // namespace terrovane::screenfit
