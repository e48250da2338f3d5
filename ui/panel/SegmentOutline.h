#pragma once

#include <QPainterPath>

#include "SegmentGlyph.h"

namespace terrovane::panel {

// The outline of one segment inside its glyph's design cell (49 x 83, or 18 x 83 for punctuation):
// bevelled bars with small gaps between them and a slight forward slant, like a real LCD.
QPainterPath SegmentOutline(GlyphKind kind, int segment);

}  // namespace terrovane::panel
