#pragma once

#include <QWidget>

#include "ProfilePlotPainting.h"

namespace terrovane::engineering {

// The profile of the surface along a line as a widget.
class ProfilePlot : public QWidget {
  public:
    explicit ProfilePlot(QWidget* parent = nullptr);
    void SetData(plots::ProfilePlotData data);
    const plots::ProfilePlotData& Data() const { return data_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    plots::ProfilePlotData data_;
};

}  // namespace terrovane::engineering
