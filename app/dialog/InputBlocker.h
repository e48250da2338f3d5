#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>

#include <vector>

namespace terrovane::app {

// Keeps the user's input from the program's windows while a command waits on the instrument, without
// changing how anything looks (no window is disabled, none loses its focus). It watches only the native
// windows of the program's visible top-level widgets, and only while held: their mouse, wheel, key,
// touch and close events are dropped, not kept for later, and so is every shortcut of the program.
class InputBlocker : public QObject {
  public:
    void Hold();
    void Release();
    bool Holding() const { return holding_; }

    // Whether an event of `type` is the user's doing.
    static bool IsUserInput(QEvent::Type type);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool IsHeld(const QObject* object) const;

    std::vector<QPointer<QWindow>> windows_;
    bool holding_ = false;
};

}  // namespace terrovane::app
