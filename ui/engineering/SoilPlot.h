#pragma once

#include <QWidget>

#include <vector>

#include "SoilPlotPainting.h"

namespace terrovane::engineering {

// The plot as a widget.
class SoilPlot : public QWidget {
  public:
    explicit SoilPlot(QWidget* parent = nullptr);
    void SetData(plots::SoilPlotData data);
    const plots::SoilPlotData& Data() const { return data_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    plots::SoilPlotData data_;
};

}  // namespace terrovane::engineering
