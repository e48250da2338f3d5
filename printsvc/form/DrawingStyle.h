#pragma once

#include <QBrush>
#include <QFont>
#include <QPen>

#include <string>

namespace terrovane::form {

// Fill code -> brush: bit 1 grey, else bit 2 light grey, else bit 4 dark grey, else bit 8 black, else
// no fill. The first matching bit wins.
QBrush FillBrush(int fillCode);

// Fill codes whose box leaves the text background transparent, and those that print the text in white.
bool FillWantsTransparentText(int fillCode);
bool FillWantsWhiteText(int fillCode);

// Line style -> pen style: bit 2 dashed, else bit 1 dotted, else solid.
Qt::PenStyle LinePenStyle(int lineStyle);

// Qt text flags for an attribute word (alignment, wrapping, tabs, clipping).
int TextFlags(int attributes);

// Pixel height of a point size on a device with the given vertical resolution (rounded like MulDiv).
int FontPixelHeight(int pointSize, int dpiY);

// The font for a text: face, pixel height, weight 700/400, italic, underline and strike-out by attributes.
QFont MakeFont(const std::string& face, int pointSize, int dpiY, int attributes);

}  // namespace terrovane::form
