#pragma once

#include <QLayout>
#include <QList>

namespace terrovane::screenfit {

// Lays its widgets out in a row that wraps onto further rows when the window is too narrow for one, so a
// row of buttons never makes a window wider than the screen. A stretch added with AddStretch pushes the
// items after it to the right end of their row while they fit on it.
class FlowLayout : public QLayout {
  public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

  private:
    // Places the items in `rect` (only measures when `apply` is false) and returns the height used.
    int Arrange(const QRect& rect, bool apply) const;
    int Spacing() const;

    QList<QLayoutItem*> items_;
};

}  // namespace terrovane::screenfit
