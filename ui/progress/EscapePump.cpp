#include "EscapePump.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace terrovane::ui {

EscapePump::EscapePump(std::function<bool()> cancel, QObject* parent)
    : QObject(parent), cancel_(std::move(cancel)) {}

void EscapePump::Pump(bool cancelOnEscape) {
    cancelOnEscape_ = cancelOnEscape;
    pumping_ = true;
    qApp->installEventFilter(this);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    qApp->removeEventFilter(this);
    pumping_ = false;
}

bool EscapePump::eventFilter(QObject* watched, QEvent* event) {
    if (pumping_ && cancelOnEscape_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && cancel_()) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace terrovane::ui
