#include "FocusFrame.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>

namespace terrovane::keyboard {

namespace {

bool SameRow(const QModelIndex& index, const QModelIndex& current) {
    return index.row() == current.row() && index.parent() == current.parent();
}

// The edges of `cell` that belong to the frame around the current item or row.
struct Edges {
    bool left = false;
    bool right = false;
};

Edges FrameEdges(const QAbstractItemView& view, const QModelIndex& index, bool wholeRow) {
    if (!wholeRow) {
        return {true, true};
    }
    // A cell at the row's first or last visible column closes the frame on that side.
    const QRect cell = view.visualRect(index);
    const QRect viewport = view.viewport()->rect();
    const int columns = view.model()->columnCount(index.parent());
    int leftmost = viewport.right();
    int rightmost = viewport.left();
    for (int column = 0; column < columns; ++column) {
        const QRect other = view.visualRect(index.siblingAtColumn(column));
        if (other.isValid() && other.width() > 0) {
            leftmost = std::min(leftmost, other.left());
            rightmost = std::max(rightmost, other.right());
        }
    }
    return {cell.left() <= leftmost, cell.right() >= rightmost};
}

}  // namespace

void FocusFrameDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    if (view == nullptr || !view->hasFocus()) {
        return;
    }
    const QModelIndex current = view->currentIndex();
    const bool wholeRow = view->selectionBehavior() == QAbstractItemView::SelectRows;
    if (!current.isValid() || !(wholeRow ? SameRow(index, current) : index == current)) {
        return;
    }
    // On the selection's fill the frame takes the selected text's colour, elsewhere the selection's.
    const bool selected = option.state & QStyle::State_Selected;
    QPen pen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Highlight));
    pen.setWidth(1);
    pen.setStyle(Qt::DotLine);
    painter->save();
    painter->setPen(pen);
    const QRect r = option.rect.adjusted(0, 0, -1, -1);
    painter->drawLine(r.topLeft(), r.topRight());
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    const Edges edges = FrameEdges(*view, index, wholeRow);
    if (edges.left) {
        painter->drawLine(r.topLeft(), r.bottomLeft());
    }
    if (edges.right) {
        painter->drawLine(r.topRight(), r.bottomRight());
    }
    painter->restore();
}

void ShowFocusFrame(QAbstractItemView* view) {
    view->setItemDelegate(new FocusFrameDelegate(view));
}

namespace {

// The application forgets a window's keyboard focus change each time the window is activated: it is set
// again then, and the style marks the focus as after a Tab.
class FocusShownOnActivation : public QObject {
  public:
    explicit FocusShownOnActivation(QWidget* window) : QObject(window) { window->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) {
            static_cast<QWidget*>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
        }
        return false;
    }
};

}  // namespace

void ShowFocusFromTheStart(QWidget* window) {
    new FocusShownOnActivation(window);
}

}  // namespace terrovane::keyboard
