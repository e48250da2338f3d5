#include "ScreenFit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace terrovane::screenfit {

QRect FitInside(const QRect& wanted, const QRect& available) {
    if (available.isEmpty()) {
        return wanted;
    }
    const QSize size = wanted.size().boundedTo(available.size()).expandedTo(QSize(0, 0));
    const int x =
        std::clamp(wanted.x(), available.left(), available.left() + available.width() - size.width());
    const int y =
        std::clamp(wanted.y(), available.top(), available.top() + available.height() - size.height());
    return {QPoint(x, y), size};
}

QRect AvailableArea(const QWidget* window) {
    const QScreen* screen = window != nullptr ? window->screen() : nullptr;
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

namespace {

// What the window system's frame adds around the client area; nothing until the window has a frame.
QSize FrameExtra(const QWidget* window) {
    return window->frameGeometry().size() - window->geometry().size();
}

// Once shown, a window has its frame, and what fitted without it may stand out by the frame's width.
class RefitOnShow : public QObject {
  public:
    explicit RefitOnShow(QWidget* window) : QObject(window) { window->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            window->removeEventFilter(this);
            KeepOnScreen(window);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void ResizeOnScreen(QWidget* window, QSize wanted) {
    window->resize(wanted.boundedTo(AvailableArea(window).size() - FrameExtra(window)));
    if (!window->isVisible()) {
        new RefitOnShow(window);
    }
}

void MoveOnScreen(QWidget* window, QPoint topLeft) {
    const QSize extra = FrameExtra(window);
    const QRect fitted = FitInside(QRect(topLeft, window->size() + extra), AvailableArea(window));
    window->resize(fitted.size() - extra);
    window->move(fitted.topLeft());
}

void KeepOnScreen(QWidget* window) {
    MoveOnScreen(window, window->frameGeometry().topLeft());
}

int TitleRoom(const QWidget* window) {
    QFont titleFont = window->font();
    titleFont.setBold(true);               // as most title bars draw it
    constexpr int kTitleBarButtons = 160;  // the icon, minimise, maximise and close of a common title bar
    const int wanted = QFontMetrics(titleFont).horizontalAdvance(window->windowTitle()) + kTitleBarButtons;
    return std::min(wanted, AvailableArea(window).width() * 4 / 5);
}

}  // namespace terrovane::screenfit
