#pragma once

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

}  // namespace terrovane::engineering
