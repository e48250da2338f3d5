#pragma once

#include <QWidget>

#include <vector>

#include "SoilPlotGeometry.h"

namespace terrovane::engineering {

// What a soil plot shows: the measured points and the model's curve with its band.
struct SoilPlotData {
    analysis::Sounding measured;
    std::vector<SoilCurvePoint> curve;
};

// Draws the log-log plot into `area`: the one-sigma band shaded, the model curve, the measured points as
// circles, and a legend. Used by the window, its PNG and PDF files and the site report alike.
void PaintSoilPlot(QPainter& painter, const QRectF& area, const SoilPlotData& data);

// The plot as a widget.
class SoilPlot : public QWidget {
  public:
    explicit SoilPlot(QWidget* parent = nullptr);
    void SetData(SoilPlotData data);
    const SoilPlotData& Data() const { return data_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    SoilPlotData data_;
};

}  // namespace terrovane::engineering
