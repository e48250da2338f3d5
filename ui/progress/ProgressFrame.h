#pragma once

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace terrovane::ui {

// The progress window's widgets: a small top-most window with the message, the bar and the Cancel button,
// laid out for the message's lines and widened for a longer one. It holds the window until it is discarded
// or destroyed with its owner.
class ProgressFrame {
  public:
    // Makes the window over `owner` (not shown yet) with its children laid out, the bar spanning
    // lower..upper; `filter` watches the window.
    void Build(QWidget* owner, const QString& caption, bool smooth, int lower, int upper, QObject* filter);
    // Null once discarded, or destroyed with its owner.
    QWidget* Window() const { return window_; }
    QPushButton* CancelButton() const { return cancelButton_; }

    void SetText(const QString& text);
    void ClearText() { message_->clear(); }
    void SetBarRange(int lower, int upper);
    // The bar shows `pos` within its range.
    void SetBarValue(int pos);
    // Hides the window, stops `filter` watching it and deletes it, from the event loop when `deferred`.
    void Discard(QObject* filter, bool deferred);

  private:
    void CreateChildren(bool smooth, int lower, int upper);
    void Layout(int lines, int width);
    void WidenFor(const QString& text);

    QPointer<QWidget> window_;
    QLabel* message_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QString cancelText_ = QStringLiteral(" Cancel ");
    int textLines_ = 4;
};

}  // namespace terrovane::ui
