#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace terrovane::keyboard {

// Draws a frame around the current item, or the current row where the view selects whole rows, while
// the view has keyboard focus. The style draws its own focus rectangle only after a focus change by key
// and in a colour close to the selection's, so a user arriving by mouse, or on a selected row, could not
// tell where the arrow keys would act.
class FocusFrameDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// Gives `view` the frame (replacing its plain delegate).
void ShowFocusFrame(QAbstractItemView* view);

// Has the style mark the focused control of `window` from the moment it opens: it otherwise marks it only
// after the first Tab, and a focused combo box then looks like any other.
void ShowFocusFromTheStart(QWidget* window);

}  // namespace terrovane::keyboard
