#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace terrovane::panel {

// The chart's grid layer: the plot's frame, the axes with their ticks, labels and dotted lines, and the
// captions, for the chart's fixed scales.
class ChartAxes {
  public:
    // Fills `layer` with `background` and draws the grid on it in `grid`.
    void Draw(QImage& layer, QColor background, QColor grid) const;

  private:
    void DrawYAxis(QPainter& painter, const QRect& plot, QColor grid) const;
    void DrawXAxis(QPainter& painter, const QRect& plot, QColor grid) const;

    QString xCaption_ = QStringLiteral("Samples");
    QString yCaption_ = QStringLiteral("Y units");
    int yPrecision_ = 1;
    double xMinimum_ = 1, xMaximum_ = 211, xStep_ = 20, xPixelsPerUnit_ = 4;
    double yMinimum_ = 0, yMaximum_ = 211, yRange_ = 211, yStep_ = 10, yPixelsPerUnit_ = 40;
    QRect plotRect_{QPoint(40, 10), QPoint(360, 160)};
};

}  // namespace terrovane::panel
