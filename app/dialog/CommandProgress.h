#pragma once

#include "InputBlocker.h"
#include "ProgressSlot.h"

namespace terrovane::app {

// The progress window of an instrument command and the hold on the main window's input while the
// command runs.
class CommandProgress {
  public:
    explicit CommandProgress(ui::ProgressSlot& progress) : progress_(progress) {}

    void Open();
    void SetPosition(int position) { progress_.SetPos(position); }
    void Close() { progress_.Close(); }
    bool IsOpen() const { return progress_.IsOpen(); }
    void SetInputBlocked(bool blocked);

  private:
    ui::ProgressSlot& progress_;
    InputBlocker blocker_;
};

}  // namespace terrovane::app
