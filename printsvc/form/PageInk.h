#pragma once

#include <QRect>

#include <string>

#include "PrintState.h"

namespace terrovane::form {

// A QRect from left, top and exclusive right, bottom edges.
inline QRect RectFromEdges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// The page's drawing primitives, in final device coordinates (the centring offset already applied by
// the caller), with the pen, fill and font of the page's current state.
class PageInk {
  public:
    PageInk(PrintState& state, int dpiY) : state_(state), dpiY_(dpiY) {}

    // Draws with the state's face, size, attributes and fill and returns the text's bottom; the text's
    // right and bottom edges are left in the state.
    int DrawTextIn(const QRect& rect, const std::string& text);
    void DrawRect(const QRect& rect, int penWidth, int fill, int lineStyle);
    void DrawLine(int x1, int y1, int x2, int y2, int penWidth, int lineStyle);

  private:
    PrintState& state_;
    int dpiY_;
};

}  // namespace terrovane::form
