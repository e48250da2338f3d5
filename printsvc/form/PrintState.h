#pragma once

#include <QColor>

#include <string>

#include "TextAttributes.h"

class QPainter;

namespace terrovane::form {

// The current drawing state of one page; saved and restored whole around every operation.
struct PrintState {
    QPainter* painter = nullptr;
    int x = 0;  // current column, device units
    int y = 0;  // current row
    int rightLimit = 0;
    int bottomLimit = 0;
    int pointSize = 10;
    std::string text;  // UTF-8
    int attributes = kDefaultAttributes;
    int fill = 0;
    int lineStyle = 0;
    int penWidth = 1;  // width of the pen that frames boxes, device units
    std::string faceName = "Times New Roman";
    QColor textColor = Qt::black;
    int pageWidth = 0;
    int pageHeight = 0;
    // Results of the last text output.
    int textRight = 0;
    int textBottom = 0;
    int nextRow = 0;
    int centringOffset = 0;  // device units added to every horizontal position
};

}  // namespace terrovane::form
