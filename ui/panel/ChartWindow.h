#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include "ChartAxes.h"

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
    bool instrumentDisplay_ = false;
    QString reading_;
    QColor background_ = Qt::black;
    QColor grid_{0, 255, 255};
    QColor plot_ = Qt::white;
    ChartAxes axes_;
    QImage gridLayer_;
    QImage plotLayer_;
};

}  // namespace terrovane::panel
