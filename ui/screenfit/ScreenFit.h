#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace terrovane::screenfit {

// The rectangle a window gets when it wants `wanted` on a screen whose free area is `available`: no
// larger than that area, and moved (not shrunk further) until it lies wholly inside it. Positions and
// sizes remembered at another scale or on a larger screen come back reachable this way.
QRect FitInside(const QRect& wanted, const QRect& available);

// The free area of the screen the widget is on (the primary screen before it is shown).
QRect AvailableArea(const QWidget* window);

// Each of these counts the window system's frame once the window has one (after it is shown); positions
// are those of the frame, as QWidget::move takes them.
// Resizes a top-level window to `wanted`, or to what of it fits on its screen.
void ResizeOnScreen(QWidget* window, QSize wanted);

// Moves a top-level window to `topLeft` with its current size, both kept inside its screen.
void MoveOnScreen(QWidget* window, QPoint topLeft);

// Keeps a window as it is when it fits, otherwise shrinks and moves it until it does.
void KeepOnScreen(QWidget* window);

// The width a window needs for its whole title beside the title bar's icon and buttons (a window system
// elides the rest, "T…"), never more than most of its screen's free area.
int TitleRoom(const QWidget* window);

}  // namespace terrovane::screenfit
