#pragma once

#include <QPointer>
#include <QWidget>

namespace terrovane::ui {

// The main window under the progress window: disabled while the progress window is modal, enabled again
// when it goes, and brought forward when the job is cancelled. It may go away first.
class ProgressOwner {
  public:
    explicit ProgressOwner(QWidget* owner) : owner_(owner) {}

    QWidget* Widget() const { return owner_; }
    bool IsModal() const { return modal_; }
    // Disables the owner (and so every window it owns).
    void Lock();
    // Enables the owner again, if it was locked.
    void Release();
    void BringForward();

  private:
    QPointer<QWidget> owner_;
    bool modal_ = false;
};

}  // namespace terrovane::ui
