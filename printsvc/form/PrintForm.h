#pragma once

#include <QColor>
#include <QRect>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FormRow.h"
#include "PageGeometry.h"
#include "PrintState.h"
#include "StateStack.h"

class QPainter;

namespace terrovane::form {

// Supplies texts by number for the "user text" operations.
using UserTextFunction = std::function<std::string(int textId)>;

// Whether an operation's positions are device units of the page or inches from its top-left corner.
enum class Unit { Device, Inches };

// A rectangle of the page that positions can be given relative to (device units, page coordinates).
struct SubRegion {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A QRect from left, top and exclusive right, bottom edges.
inline QRect RectFromEdges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// One page of a printed form. Positions are laid out for an 8-inch portrait page and shifted right by
// the centring offset on wider paper. Every operation saves the state, draws, and restores it, so fonts
// and pens never leak from one operation into the next.
class PrintForm {
  public:
    // (left, top, right, bottom) is the page's drawing rectangle in device units; mapMode 1 draws in
    // device pixels, 8 on a 1000 x 1000 logical page (anything else is taken as 1). orientation is the
    // printer's (1 portrait, 2 landscape) or 0 for other devices.
    PrintForm(QPainter& painter, int left, int top, int right, int bottom, int mapMode = kMapPixels,
              int orientation = kNotAPrinter);
    ~PrintForm();
    PrintForm(const PrintForm&) = delete;
    PrintForm& operator=(const PrintForm&) = delete;

    // Releases the sub-regions and the saved states.
    void Release();

    int MapMode() const { return mapMode_; }
    int Orientation() const { return orientation_; }
    int ResolutionX() const { return axisX_.resolution; }
    int ResolutionY() const { return axisY_.resolution; }
    double PageWidthInches() const { return axisX_.pageInches; }
    double PageHeightInches() const { return axisY_.pageInches; }
    int CentringOffset() const { return state_.centringOffset; }
    const PrintState& State() const { return state_; }
    PrintState& MutableState() { return state_; }
    int SavedDepth() const { return stack_.Top() + 1; }

    int ToDeviceX(double inches) const { return InchesToUnits(inches, axisX_); }
    int ToDeviceY(double inches) const { return InchesToUnits(inches, axisY_); }
    double ToInchesX(double units) const { return UnitsToInches(units, axisX_); }
    double ToInchesY(double units) const { return UnitsToInches(units, axisY_); }

    bool SaveState() { return stack_.Push(state_); }
    bool RestoreState() { return stack_.Pop(state_); }

    void SetUserTextFunction(UserTextFunction function) { userText_ = std::move(function); }

    // Text at a point in inches (printf format, UTF-8). attributes 0xFFFF and pointSize 0 keep the
    // current ones; column -1 continues after the previous text. Returns the row below the text, in
    // inches; a text starting beyond the right or bottom limit is skipped and the current row returned.
    double PrintTextAt(double row, double column, int attributes, int pointSize, const char* format, ...)
        __attribute__((format(printf, 6, 7)));
    // The same with a ready text and positions in either unit; the result is in that unit too.
    double PrintText(double row, double column, int attributes, int pointSize, const std::string& text,
                     Unit unit = Unit::Device, double* endColumn = nullptr);
    double PrintUserText(double row, double column, int textId, Unit unit = Unit::Device);
    // Text at a point of a sub-region: positions are relative to the region's origin.
    double PrintTextInRegion(const SubRegion& region, double row, double column, const std::string& text,
                             Unit unit = Unit::Device);
    // Text in a box with the given edges (relative to `region` when given).
    double PrintTextInBox(double left, double top, double right, double bottom, int attributes, int pointSize,
                          int fill, const std::string& text, Unit unit = Unit::Device,
                          const SubRegion* region = nullptr);

    // Setters; each returns the previous value. A limit of -1 resets it to the page size.
    double SetLineSpacing(double factor);
    std::string SetFaceName(const std::string& face);
    int SetCurrentRow(int row);
    QColor SetTextColor(const QColor& color);
    int SetPointSize(int pointSize);
    int SetRightLimit(int limit);
    int SetBottomLimit(int limit);

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
    // Kept in the page's list; nullptr when the rectangle lies outside the page.
    const SubRegion* CreateSubRegion(double left, double top, double right, double bottom,
                                     Unit unit = Unit::Device);

    // Draws a table; afterwards row.bottom holds its bottom edge (inches when row.inInches).
    void DrawTable(FormRow& row);

    // Primitives in final device coordinates (the centring offset already applied by the caller).
    // DrawTextIn draws with the state's face, size, attributes and fill and returns the text's bottom.
    int DrawTextIn(const QRect& rect, const std::string& text);
    void DrawRect(const QRect& rect, int penWidth, int fill, int lineStyle);
    void DrawLine(int x1, int y1, int x2, int y2, int penWidth, int lineStyle);

  private:
    int ToDevice(double value, Unit unit, bool horizontal) const;
    double FromDevice(int value, Unit unit, bool horizontal) const;
    bool Beyond(int column, int row) const { return column > state_.rightLimit || row > state_.bottomLimit; }

    PrintState state_;
    StateStack stack_;
    int mapMode_ = kMapPixels;
    int orientation_ = kNotAPrinter;
    Axis axisX_;
    Axis axisY_;
    double lineSpacing_ = 1.0;
    UserTextFunction userText_;
    std::vector<std::unique_ptr<SubRegion>> regions_;
    std::vector<char> textBuffer_;
};

}  // namespace terrovane::form
