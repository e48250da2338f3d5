#pragma once

#include <QWidget>

#include <optional>
#include <vector>

#include "FopPlotPainting.h"

namespace terrovane::engineering {

// The plot as a widget.
class FopPlot : public QWidget {
  public:
    explicit FopPlot(QWidget* parent = nullptr);
    void SetData(plots::FopPlotData data);
    const plots::FopPlotData& Data() const { return data_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    plots::FopPlotData data_;
};

}  // namespace terrovane::engineering
