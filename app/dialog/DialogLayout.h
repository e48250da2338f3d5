#pragma once

#include <QRect>
#include <QSize>

#include "DialogUnits.h"

namespace terrovane::app {

// The main dialog's fixed control rectangles, converted from dialog units to client pixels.
struct MainDialogGeometry {
    QSize client;
    QRect listFrame;     // the frame round the record list
    QRect recordList;    // 1004
    QRect displayFrame;  // 1107: where the display panel's chart goes
    QRect idlePicture;   // 1123
};

MainDialogGeometry ComputeMainDialogGeometry(const units::DialogUnits& units);

// The about box: 268 x 183 dialog units.
QSize AboutDialogSize(const units::DialogUnits& units);

}  // namespace terrovane::app
