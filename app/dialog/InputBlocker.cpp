#include "InputBlocker.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace terrovane::app {

void InputBlocker::Hold() {
    if (holding_) {
        return;
    }
    holding_ = true;
    // Shortcuts are matched before a key reaches its window, so they are caught on their way to their owner.
    qApp->installEventFilter(this);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (QWindow* window = widget->windowHandle(); window != nullptr && widget->isVisible()) {
            window->installEventFilter(this);
            windows_.emplace_back(window);
        }
    }
}

void InputBlocker::Release() {
    for (const QPointer<QWindow>& window : windows_) {
        if (window) {
            window->removeEventFilter(this);
        }
    }
    windows_.clear();
    qApp->removeEventFilter(this);
    holding_ = false;
}

bool InputBlocker::IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::NativeGesture:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

bool InputBlocker::IsHeld(const QObject* object) const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [object](const QPointer<QWindow>& window) { return window == object; });
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
    // A shortcut typed into a held window; a question shown during the command keeps its own keys.
    if (holding_ && event->type() == QEvent::Shortcut && IsHeld(QGuiApplication::focusWindow())) {
        return true;
    }
    if (holding_ && IsUserInput(event->type()) && IsHeld(watched)) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace terrovane::app
