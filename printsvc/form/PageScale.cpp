#include "PageScale.h"

#include <QPaintDevice>

namespace terrovane::form {

PageScale::PageScale(const QPaintDevice* device, int right, int bottom, int mapMode, int orientation)
    : mapMode_(mapMode == kMapScaled ? kMapScaled : kMapPixels), orientation_(orientation) {
    axisX_ = {mapMode_, device ? device->logicalDpiX() : 96, 0.0, kScaledExtent};
    axisY_ = {mapMode_, device ? device->logicalDpiY() : 96, 0.0, kScaledExtent};
    axisX_.pageInches = axisX_.resolution > 0 ? static_cast<double>(right) / axisX_.resolution : 0.0;
    axisY_.pageInches = axisY_.resolution > 0 ? static_cast<double>(bottom) / axisY_.resolution : 0.0;
}

int PageScale::CentringUnits() const {
    return InchesToUnits(CentringOffsetInches(axisX_.pageInches, orientation_), axisX_);
}

int PageScale::ToDevice(double value, Unit unit, bool horizontal) const {
    if (unit == Unit::Device)
        return static_cast<int>(value);
    return horizontal ? ToDeviceX(value) : ToDeviceY(value);
}

double PageScale::FromDevice(int value, Unit unit, bool horizontal) const {
    if (unit == Unit::Device)
        return value;
    return horizontal ? ToInchesX(value) : ToInchesY(value);
}

}  // namespace terrovane::form
