#pragma once

#include <QAccessibleWidget>

namespace terrovane::panel {

class ChartWindow;

// The simulated display as assistive technology sees it: a static text named "Instrument display" whose
// value is the reading in words (see SpokenDisplay), which changes with every page shown.
class DisplayAccessible : public QAccessibleWidget {
  public:
    explicit DisplayAccessible(ChartWindow* display);
    QString text(QAccessible::Text kind) const override;
};

// Installs, once per program, the factory that gives the display its interface.
void InstallDisplayAccessibility();

}  // namespace terrovane::panel
