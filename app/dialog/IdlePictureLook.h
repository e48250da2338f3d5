#pragma once

#include <QWidget>

#include "DisplayPanel.h"

namespace terrovane::app {

// The display's idle picture as the link sees it: whether it shows in the main window, and showing or
// hiding it only when that changes.
class IdlePictureLook {
  public:
    IdlePictureLook(QWidget& window, panel::DisplayPanel& panel) : window_(window), panel_(panel) {}

    bool Shown() const;
    void SetVisible(bool visible);

  private:
    QWidget* Picture() const;

    QWidget& window_;
    panel::DisplayPanel& panel_;
    // Looked up once: the port watch asks for it on every tick and every rest.
    mutable QWidget* picture_ = nullptr;
};

}  // namespace terrovane::app
