#pragma once

#include "PageGeometry.h"

class QPaintDevice;

namespace terrovane::form {

// Whether an operation's positions are device units of the page or inches from its top-left corner.
enum class Unit { Device, Inches };

// How a page's inches map to its drawing units on both axes, and the right shift that centres an
// 8-inch layout on wider paper.
class PageScale {
  public:
    // mapMode 8 draws on a 1000 x 1000 logical page, anything else in device pixels; right and bottom
    // are the page's extent in device units.
    PageScale(const QPaintDevice* device, int right, int bottom, int mapMode, int orientation);

    int MapMode() const { return mapMode_; }
    int Orientation() const { return orientation_; }
    int ResolutionX() const { return axisX_.resolution; }
    int ResolutionY() const { return axisY_.resolution; }
    double PageWidthInches() const { return axisX_.pageInches; }
    double PageHeightInches() const { return axisY_.pageInches; }
    int CentringUnits() const;

    int ToDeviceX(double inches) const { return InchesToUnits(inches, axisX_); }
    int ToDeviceY(double inches) const { return InchesToUnits(inches, axisY_); }
    double ToInchesX(double units) const { return UnitsToInches(units, axisX_); }
    double ToInchesY(double units) const { return UnitsToInches(units, axisY_); }
    // A position given in either unit, in device units, and back.
    int ToDevice(double value, Unit unit, bool horizontal) const;
    double FromDevice(int value, Unit unit, bool horizontal) const;

  private:
    int mapMode_ = kMapPixels;
    int orientation_ = kNotAPrinter;
    Axis axisX_;
    Axis axisY_;
};

}  // namespace terrovane::form
