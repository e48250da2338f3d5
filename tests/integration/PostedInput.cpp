#include "PostedInput.h"

#include <qpa/qwindowsysteminterface.h>
#include <QWidget>
#include <QWindow>

namespace terrovane::testing {
namespace {

using Queued = QWindowSystemInterface::AsynchronousDelivery;

QWindow* NativeWindow(QWidget* widget) {
    return widget->window()->windowHandle();
}

}  // namespace

void PostClick(QWidget* widget, QPoint position) {
    if (position == QPoint(-1, -1)) {
        position = widget->rect().center();
    }
    QWindow* window = NativeWindow(widget);
    const QPoint global = widget->mapToGlobal(position);
    const QPointF local = window->mapFromGlobal(global);
    QWindowSystemInterface::handleMouseEvent<Queued>(window, local, global, Qt::LeftButton, Qt::LeftButton,
                                                     QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Queued>(window, local, global, Qt::NoButton, Qt::LeftButton,
                                                     QEvent::MouseButtonRelease);
}

void PostKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers) {
    QWindowSystemInterface::handleKeyEvent<Queued>(NativeWindow(window), QEvent::KeyPress, key, modifiers);
    QWindowSystemInterface::handleKeyEvent<Queued>(NativeWindow(window), QEvent::KeyRelease, key, modifiers);
}

void PostWheel(QWidget* widget) {
    QWindow* window = NativeWindow(widget);
    const QPoint global = widget->mapToGlobal(widget->rect().center());
    QWindowSystemInterface::handleWheelEvent(window, window->mapFromGlobal(global), global, QPoint(),
                                             QPoint(0, -240));
}

void PostCloseRequest(QWidget* window) {
    QWindowSystemInterface::handleCloseEvent<Queued>(NativeWindow(window));
}

}  // namespace terrovane::testing
