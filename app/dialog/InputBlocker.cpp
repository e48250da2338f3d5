#include "InputBlocker.h"

#include <QApplication>
#include <QWidget>

namespace terrovane::app {

void InputBlocker::Hold() {
    if (holding_) {
        return;
    }
    holding_ = true;
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

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
    if (holding_ && IsUserInput(event->type())) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace terrovane::app
