#include "EscapeCloses.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace terrovane::keyboard {

void CloseOnEscape(QWidget* window) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
}

}  // namespace terrovane::keyboard
