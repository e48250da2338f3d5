#include "ProgressPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "ProgressLayout.h"
#include "ScreenFit.h"
#include "Settings.h"

namespace terrovane::ui {

void ProgressPlace::Restore(QWidget& window, const QWidget* owner) const {
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect screenRect = screen->geometry();
    QPoint stored(-1, -1);
    if (remember_)
        stored = platform::Settings().ProgressPosition().value_or(stored);
    const QRect area = owner && owner->isVisible() ? owner->frameGeometry() : screen->availableGeometry();
    // A position remembered at another scale, or a main window larger than the screen, could put it
    // out of reach.
    screenfit::MoveOnScreen(&window, ProgressPlacement(stored, screenRect.size(), area, window.size()));
}

void ProgressPlace::Store(const QWidget* window) const {
    if (!remember_ || !window) {
        return;
    }
    platform::Settings().SetProgressPosition(window->pos());
}

}  // namespace terrovane::ui
