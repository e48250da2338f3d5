#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace terrovane::ui {

// A small top-most window with a message, a bar and the percentage done in its caption, shown while the
// main dialog runs a long job on the user-interface thread. The job calls SetPos and PeekAndPump between
// its steps. Made modal, it disables the main window until it goes away. Closing or cancelling can destroy
// the window before this object; every operation then returns early.
class ProgressWindow : public QObject {
    Q_OBJECT

  public:
    static constexpr int kMessageId = 11;
    static constexpr int kBarId = 12;
    static constexpr int kCancelId = 10;

    // parent: the owning (main) window; without one, the application's active window owns it.
    ProgressWindow(QWidget* parent, const QString& caption = QStringLiteral("Progress"), bool smooth = false);
    ~ProgressWindow() override;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

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
    bool IsModal() const { return modal_; }
    // Shows the Cancel button (it starts hidden).
    void ShowCancelButton(bool show);
    void SetRememberPosition(bool remember) { rememberPosition_ = remember; }
    // Stores the position, re-enables the main window when modal and destroys the window.
    void Destroy();

    QWidget* Window() const { return window_; }
    QString Caption() const { return caption_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Create(bool smooth);
    void CreateChildren(bool smooth);
    void Layout(int lines, int width);
    void WidenFor(const QString& text);
    void RestorePosition();
    void StorePosition();
    void Cancel();
    void DestroyWindow(bool deferred);

    QPointer<QWidget> mainWindow_;
    QPointer<QWidget> window_;
    QLabel* message_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QString caption_;
    QString cancelText_ = QStringLiteral(" Cancel ");
    int textLines_ = 4;
    int lower_ = 0;
    int upper_ = 100;
    int step_ = 1;
    int position_ = 0;
    int percent_ = 0;
    bool cancelled_ = false;
    bool modal_ = false;
    bool rememberPosition_ = true;
    bool pumping_ = false;
    bool cancelOnEscape_ = true;
};

}  // namespace terrovane::ui
