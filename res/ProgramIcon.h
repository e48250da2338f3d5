#pragma once

#include <QIcon>
#include <QPixmap>

namespace terrovane::res {

// The program icon: a handheld tester with its display above an earth-ground symbol.
QPixmap DrawProgramIcon(int size);
// All the sizes a window manager asks for (16, 32, 48, 64).
QIcon ProgramIcon();

}  // namespace terrovane::res
