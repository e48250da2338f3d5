#pragma once

#include <QColor>
#include <QString>

#include "GridWindow.h"
#include "TypedNumber.h"

// How the grid window writes its figures, in the formulas' table and the computed one alike.
namespace terrovane::engineering {

inline QString Fixed(double value, int decimals) {
    return keyboard::ShownNumber(value, decimals);
}

inline QString Volts(double value) {
    return GridWindow::tr("%1 V").arg(Fixed(value, 1));
}

// A value or verdict within its limit in green, beyond it in red.
inline QColor VerdictColour(bool safe) {
    return safe ? QColor(0x1b, 0x7a, 0x2e) : QColor(0xc0, 0x1c, 0x1c);
}

}  // namespace terrovane::engineering
