#include "ProgressWindow.h"

#include <QApplication>
#include <QCloseEvent>

#include <cstdarg>
#include <cstdio>

#include "ScreenFit.h"

namespace terrovane::ui {

ProgressWindow::ProgressWindow(QWidget* parent, const QString& caption, bool smooth)
    : owner_(parent ? parent : QApplication::activeWindow()), count_(caption), pump_([this] {
          if (cancelled_) {
              return false;
          }
          Cancel();
          return true;
      }) {
    Create(smooth);
}

ProgressWindow::~ProgressWindow() {
    if (frame_.Window()) {
        Destroy();
    }
}

void ProgressWindow::Create(bool smooth) {
    frame_.Build(owner_.Widget(), count_.Caption(), smooth, count_.Lower(), count_.Upper(), this);
    connect(frame_.CancelButton(), &QPushButton::clicked, this, &ProgressWindow::Cancel);
    QWidget* window = frame_.Window();
    place_.Restore(*window, owner_.Widget());
    window->show();
    screenfit::KeepOnScreen(window);  // now with its frame
}

bool ProgressWindow::GoModal(const QString& caption, bool smooth) {
    if (!frame_.Window()) {
        count_.SetCaption(caption);
        Create(smooth);
    }
    owner_.Lock();
    // After the main window: disabling it disables the windows it owns as well.
    frame_.Window()->setEnabled(true);
    return true;
}

void ProgressWindow::SetRange(int lower, int upper, int step) {
    count_.SetRange(lower, upper, step);
    if (frame_.Window()) {
        frame_.SetBarRange(lower, upper);
    }
}

int ProgressWindow::SetPos(int pos) {
    if (!frame_.Window()) {
        return count_.Position();
    }
    Show();
    const int previous = count_.MoveTo(pos);
    if (const std::optional<QString> caption = count_.ChangedPercentCaption()) {
        frame_.Window()->setWindowTitle(*caption);
    }
    frame_.SetBarValue(pos);
    return previous;
}

int ProgressWindow::SetPosWithoutPercent(int pos) {
    if (!frame_.Window()) {
        return count_.Position();
    }
    Show();
    const int previous = count_.MoveTo(pos);
    const QString title = count_.CaptionWithoutPercent();
    if (frame_.Window()->windowTitle() != title) {
        frame_.Window()->setWindowTitle(title);
    }
    frame_.SetBarValue(pos);
    return previous;
}

void ProgressWindow::SetText(const QString& text) {
    if (frame_.Window()) {
        frame_.SetText(text);
    }
}

void ProgressWindow::SetText(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    SetText(QString::fromUtf8(buffer));
}

void ProgressWindow::Clear() {
    cancelled_ = false;
    count_.MoveTo(0);
    if (!frame_.Window()) {
        return;
    }
    frame_.ClearText();
    frame_.SetBarValue(0);
    frame_.Window()->repaint();
}

void ProgressWindow::Show() {
    QWidget* window = frame_.Window();
    if (window && !window->isVisible()) {
        window->show();
        window->repaint();
    }
}

void ProgressWindow::Hide() {
    QWidget* window = frame_.Window();
    if (window && window->isVisible()) {
        window->hide();
    }
}

void ProgressWindow::ShowCancelButton(bool show) {
    if (frame_.Window()) {
        frame_.CancelButton()->setVisible(show);
    }
}

void ProgressWindow::PeekAndPump(bool cancelOnEscape) {
    QWidget* window = frame_.Window();
    if (!window) {
        return;
    }
    if (owner_.IsModal() && !window->isActiveWindow()) {
        window->activateWindow();
        window->setFocus();
    }
    pump_.Pump(cancelOnEscape);
}

bool ProgressWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_.Window() && event->type() == QEvent::Close) {
        // The close message destroys the window as Destroy does; this object lives on.
        Dismiss(true);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ProgressWindow::Cancel() {
    cancelled_ = true;
    Hide();
    if (owner_.IsModal() && frame_.Window()) {
        frame_.Window()->close();
    }
    owner_.BringForward();
}

void ProgressWindow::Destroy() {
    Dismiss(false);
}

void ProgressWindow::Dismiss(bool deferred) {
    place_.Store(frame_.Window());
    owner_.Release();
    frame_.Discard(this, deferred);
}

}  // namespace terrovane::ui
