#include "PauseInput.h"

namespace terrovane::platform {
namespace {

bool IsInside(const QObject* object, const QObject* ancestor) {
    for (; object != nullptr; object = object->parent()) {
        if (object == ancestor) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::NonClientAreaMouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::NativeGesture:
        case QEvent::Gesture:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

bool DiscardDuringPause(QEvent::Type type, const QObject* target, const QObject* exempt) {
    if (!IsUserInput(type) || target == nullptr || target->isWindowType()) {
        return false;
    }
    return exempt == nullptr || !IsInside(target, exempt);
}

}  // namespace terrovane::platform
