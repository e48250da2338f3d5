#include "PageGeometry.h"

#include <cmath>

namespace terrovane::form {

int InchesToUnits(double inches, const Axis& axis) {
    if (inches <= 0.0)
        return 0;
    if (axis.mapMode == kMapPixels)
        return static_cast<int>(inches * axis.resolution);
    if (axis.pageInches <= 0.0)
        return 0;
    return static_cast<int>(inches / (axis.pageInches / axis.logicalExtent));
}

double UnitsToInches(double units, const Axis& axis) {
    if (units <= 0.0)
        return 0.0;
    if (axis.mapMode == kMapPixels)
        return axis.resolution > 0 ? units / axis.resolution : 0.0;
    return units * (axis.pageInches / axis.logicalExtent);
}

double CentringOffsetInches(double pageWidthInches, int orientation) {
    if (orientation == kLandscape && pageWidthInches > 10.9)
        return (pageWidthInches - 10.5) / 2.0;
    if (pageWidthInches > 8.0)
        return (pageWidthInches - 8.0) / 2.0;
    return 0.0;
}

}  // namespace terrovane::form
