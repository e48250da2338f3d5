#pragma once

#include <QColor>
#include <QPointF>
#include <QSize>
#include <vector>

#include "SegmentGlyph.h"

namespace terrovane::panel {

// Where a glyph row goes inside a field: one origin per glyph and the scale from design units to pixels.
struct DigitLayout {
    double scaleX = 1;
    double scaleY = 1;
    std::vector<QPointF> origins;  // top-left of each glyph's design cell, in pixels
};

DigitLayout LayoutGlyphs(const std::vector<SegmentGlyph>& glyphs, QSize client, unsigned style);

// Outline colour of a segment: a quarter of the background blended into three quarters of the fill,
// truncated per channel, so that outlines soften into the background.
QColor OutlineColour(QColor background, QColor fill);

}  // namespace terrovane::panel
