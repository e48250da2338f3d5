#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

namespace terrovane::panel {

// A two-layer chart: a grid layer (frame, labels, captions) and a plot layer, composed by bitwise OR
// when painted. The main dialog uses it, without data, as the coloured background of the display: with
// a black grid and a plot layer in the background colour the composition is a uniform field.
class ChartWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ChartWindow(QWidget* parent = nullptr);

    void SetBackgroundColour(QColor colour);
    void SetGridColour(QColor colour);
    void SetPlotColour(QColor colour);

    // Redraws both layers from the current colours and size.
    void RedrawLayers();
    // The composed picture as painted.
    QImage Compose() const;

    // As the simulated instrument's display, the chart carries the reading in words for assistive
    // technology and tells it of every change.
    void MarkAsInstrumentDisplay() { instrumentDisplay_ = true; }
    bool IsInstrumentDisplay() const { return instrumentDisplay_; }
    void SetReading(const QString& reading);
    const QString& Reading() const { return reading_; }

  signals:
    // With every value-change event the display sends to assistive technology.
    void ReadingChanged(const QString& reading);

  public:
  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void DrawGrid();
    void DrawYAxis(class QPainter& painter, const QRect& plot);
    void DrawXAxis(class QPainter& painter, const QRect& plot);

    bool instrumentDisplay_ = false;
    QString reading_;
    QColor background_ = Qt::black;
    QColor grid_{0, 255, 255};
    QColor plot_ = Qt::white;
    QString xCaption_ = QStringLiteral("Samples");
    QString yCaption_ = QStringLiteral("Y units");
    int yPrecision_ = 1;
    double xMinimum_ = 1, xMaximum_ = 211, xStep_ = 20, xPixelsPerUnit_ = 4;
    double yMinimum_ = 0, yMaximum_ = 211, yRange_ = 211, yStep_ = 10, yPixelsPerUnit_ = 40;
    QRect plotRect_{QPoint(40, 10), QPoint(360, 160)};
    QImage gridLayer_;
    QImage plotLayer_;
};

}  // namespace terrovane::panel
