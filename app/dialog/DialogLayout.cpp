#include "DialogLayout.h"

namespace terrovane::app {

MainDialogGeometry ComputeMainDialogGeometry(const units::DialogUnits& units) {
    MainDialogGeometry geometry;
    geometry.client = QSize(units.X(417), units.Y(283));
    geometry.listFrame = units.Rect(262, 28, 138, 236);
    geometry.recordList = units.Rect(263, 35, 134, 229);
    geometry.displayFrame = units.Rect(8, 35, 245, 196);
    geometry.idlePicture = units.Rect(59, 78, 159, 95);
    return geometry;
}

QSize AboutDialogSize(const units::DialogUnits& units) {
    return QSize(units.X(268), units.Y(183));
}

}  // namespace terrovane::app
