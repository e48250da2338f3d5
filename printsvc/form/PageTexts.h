#pragma once

#include <QColor>

#include <functional>
#include <string>
#include <vector>

#include "PageScale.h"
#include "PrintState.h"
#include "SubRegions.h"

namespace terrovane::form {

class PrintForm;

// Supplies texts by number for the "user text" operations.
using UserTextFunction = std::function<std::string(int textId)>;

// The page's text operations and the settings that shape the flow of text: face, size, colour, line
// spacing, current row and the limits beyond which nothing is printed.
class PageTexts {
  public:
    explicit PageTexts(PrintForm& form);

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

  private:
    PrintForm& form_;
    PrintState& state_;
    const PageScale& scale_;
    double lineSpacing_ = 1.0;
    UserTextFunction userText_;
    std::vector<char> textBuffer_;
};

}  // namespace terrovane::form
