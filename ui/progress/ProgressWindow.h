#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include "EscapePump.h"
#include "ProgressCount.h"
#include "ProgressFrame.h"
#include "ProgressOwner.h"
#include "ProgressPlace.h"

namespace terrovane::ui {

// A small top-most window with a message, a bar and the percentage done in its caption, shown while the
// main dialog runs a long job on the user-interface thread. The job calls SetPos and PeekAndPump between
// its steps. Made modal, it disables the main window until it goes away. Closing or cancelling can destroy
// the window before this object; every operation then returns early.
class ProgressWindow : public QObject {
    Q_OBJECT

  public:
    // parent: the owning (main) window; without one, the application's active window owns it.
    ProgressWindow(QWidget* parent, const QString& caption = QStringLiteral("Progress"), bool smooth = false);
    ~ProgressWindow() override;

    bool GoModal(const QString& caption = QStringLiteral("Progress"), bool smooth = false);
    void SetRange(int lower, int upper, int step = 1);
    // Returns the bar's previous position, or the last position set once the window is gone.
    int SetPos(int pos);
    // The same, with the caption stem and one space in place of the percentage.
    int SetPosWithoutPercent(int pos);
    void SetText(const QString& text);
    // printf-style, formatted into a 512-byte buffer (longer results are cut there).
    void SetText(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void Clear();
    void Show();
    void Hide();
    // Lets the rest of the program run: handles every waiting event. Escape (when enabled) and, while
    // modal, a click on Cancel cancel the job; the Escape goes no further.
    void PeekAndPump(bool cancelOnEscape = true);
    bool Cancelled() const { return cancelled_; }
    bool IsModal() const { return owner_.IsModal(); }
    // Shows the Cancel button (it starts hidden).
    void ShowCancelButton(bool show);
    void SetRememberPosition(bool remember) { place_.SetRemember(remember); }
    // Stores the position, re-enables the main window when modal and destroys the window.
    void Destroy();

    QWidget* Window() const { return frame_.Window(); }
    QString Caption() const { return count_.Caption(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Create(bool smooth);
    void Cancel();
    // Stores the position, releases the owner and discards the window.
    void Dismiss(bool deferred);

    ProgressOwner owner_;
    ProgressCount count_;
    ProgressFrame frame_;
    ProgressPlace place_;
    EscapePump pump_;
    bool cancelled_ = false;
};

}  // namespace terrovane::ui
