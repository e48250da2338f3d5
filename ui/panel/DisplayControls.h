#pragma once

#include <QPoint>

#include <map>

#include "DialogUnits.h"

class QLabel;
class QWidget;

namespace terrovane::panel {

class ChartWindow;
class DigitField;

// The display's controls, children of the dialog at their dialog-unit places shifted by `origin`: the chart
// behind everything, the segment fields and pictures, the notice, the idle picture and the page buttons.
class DisplayControls {
  public:
    DisplayControls(QWidget* dialog, QPoint origin, const units::DialogUnits& units);

    QWidget* Control(int id) const;
    DigitField* Field(int id) const;
    ChartWindow* Chart() const { return chart_; }
    QLabel* Notice() const { return notice_; }

  private:
    void CreateDisplay(QWidget* dialog, QPoint origin, const units::DialogUnits& units);
    void CreateButtons(QWidget* dialog, QPoint origin, const units::DialogUnits& units);

    std::map<int, QWidget*> controls_;
    ChartWindow* chart_ = nullptr;
    QLabel* notice_ = nullptr;
};

}  // namespace terrovane::panel
