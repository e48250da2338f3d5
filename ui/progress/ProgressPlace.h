#pragma once

class QWidget;

namespace terrovane::ui {

// Where the progress window opens: where it was last left, when that is on the screen, else centred over
// its owner (or the screen). Remembering can be turned off.
class ProgressPlace {
  public:
    void SetRemember(bool remember) { remember_ = remember; }
    // Moves `window` to its place, over `owner` when there is one.
    void Restore(QWidget& window, const QWidget* owner) const;
    // Remembers where `window` is; nothing without a window.
    void Store(const QWidget* window) const;

  private:
    bool remember_ = true;
};

}  // namespace terrovane::ui
