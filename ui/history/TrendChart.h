#pragma once

#include <QPainter>
#include <QWidget>

#include "TrendData.h"
#include "TrendGeometry.h"

namespace terrovane::history {

// A trend of one quantity against the measuring date: axes with round ticks, the readings joined in
// order, over-range readings as markers on the top edge with their bounds, and the value and date of the
// point under the mouse.
class TrendChart : public QWidget {
    Q_OBJECT

  public:
    explicit TrendChart(QWidget* parent = nullptr);

    void SetSeries(TrendSeries series);
    // A logarithmic value axis, a linear one, or (unset) whichever suits the values.
    void SetLogarithmic(std::optional<bool> logarithmic);
    bool Logarithmic() const { return layout_.logarithmic; }
    const TrendSeries& Series() const { return series_; }
    const TrendLayout& Layout() const { return layout_; }
    // The sample under the mouse, or -1; past the samples, the over-range readings follow in their order.
    int HoveredIndex() const { return hovered_; }
    // The text shown beside the hovered point.
    QString HoverText() const;

    QSize sizeHint() const override { return {640, 360}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QString TypedText(const TrendSample& sample) const;
    void Relayout();
    QRectF PlotArea() const;
    // The height of the band above the plot where over-range readings are marked.
    double OverRangeBand() const;

    TrendSeries series_;
    TrendLayout layout_;
    int hovered_ = -1;
    std::optional<bool> logarithmic_;
};

// A value as the chart's ticks and hover box show it: up to four significant digits, no exponent below a
// million.
QString TrendNumber(double value);

}  // namespace terrovane::history
