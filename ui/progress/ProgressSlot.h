#pragma once

#include <QString>

#include <memory>

#include "ProgressWindow.h"

class QWidget;

namespace terrovane::ui {

// How a job's progress window starts: caption stem, bar kind, range and message.
struct ProgressSetup {
    QString caption = QStringLiteral("Progress");
    bool smooth = false;
    int lower = 0;
    int upper = 100;
    int step = 1;
    QString text;
};

// The main window's place for at most one progress window. Every job that shows progress (the read-out,
// the clock and erase commands when they fail, Save) opens and closes it here, and so does anything that
// ends a job early (the port watch, shutdown). The window opened is modal over the owner and lets the
// waiting events through once; only after that pass does it enter the slot, so a handler that closes the
// slot from inside the pass cannot destroy the window whose pump is running.
class ProgressSlot {
  public:
    explicit ProgressSlot(QWidget* owner) : owner_(owner) {}
    ~ProgressSlot() { Close(); }
    ProgressSlot(const ProgressSlot&) = delete;
    ProgressSlot& operator=(const ProgressSlot&) = delete;

    // Closes any earlier window first: there is only ever one.
    void Open(const ProgressSetup& setup);
    // Stores its position, re-enables the owner and destroys the window; nothing when none is open.
    void Close();
    bool IsOpen() const { return window_ != nullptr; }

    // Both do nothing while no window is open.
    void SetPos(int position);
    void SetPosWithoutPercent(int position);

    ProgressWindow* Window() const { return window_.get(); }

  private:
    QWidget* owner_;
    std::unique_ptr<ProgressWindow> window_;
};

}  // namespace terrovane::ui
