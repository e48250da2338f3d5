#pragma once

#include <string>

#include "PageScale.h"
#include "PrintState.h"
#include "SubRegions.h"

namespace terrovane::form {

class PrintForm;

// The page's lines, rectangles, check boxes and pictures, positioned like its texts.
class PageShapes {
  public:
    explicit PageShapes(PrintForm& form);

    void Line(double x1, double y1, double x2, double y2, int penWidth = 1, int lineStyle = kKeepStyle,
              Unit unit = Unit::Device, const SubRegion* region = nullptr);
    void Rectangle(double left, double top, double right, double bottom, int penWidth, int fill = kKeepStyle,
                   int lineStyle = kKeepStyle, Unit unit = Unit::Device, const SubRegion* region = nullptr);
    void FilledRectangle(double left, double top, double right, double bottom, int fill,
                         Unit unit = Unit::Device, const SubRegion* region = nullptr);
    // A square of the point size, crossed when checked and no fill is given, with the label beside it.
    void CheckBox(double row, double column, bool checked, int fill, const std::string& label,
                  Unit unit = Unit::Device);
    // Stretches an image file into the rectangle; false (nothing drawn) when the file cannot be read.
    bool Bitmap(const std::string& path, double left, double top, double right, double bottom,
                Unit unit = Unit::Device);

  private:
    PrintForm& form_;
    PrintState& state_;
    const PageScale& scale_;
};

}  // namespace terrovane::form
