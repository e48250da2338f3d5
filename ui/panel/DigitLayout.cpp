#include "DigitLayout.h"

#include <algorithm>

namespace terrovane::panel {

DigitLayout LayoutGlyphs(const std::vector<SegmentGlyph>& glyphs, QSize client, unsigned style) {
    DigitLayout layout;
    const int designWidth = DesignWidth(glyphs);
    if (designWidth == 0 || client.isEmpty())
        return layout;
    layout.scaleX = double(client.width()) / designWidth;
    layout.scaleY = double(client.height()) / kGlyphDesignHeight;
    double left = 0, top = 0;
    if (style & kStyleKeepAspect) {
        const double scale = std::min(layout.scaleX, layout.scaleY);
        layout.scaleX = layout.scaleY = scale;
        left = (client.width() - scale * designWidth) / 2;
        top = (client.height() - scale * kGlyphDesignHeight) / 2;
    }
    double x = left;
    for (const auto& glyph : glyphs) {
        layout.origins.emplace_back(x, top);
        x += glyph.designWidth * layout.scaleX;
    }
    return layout;
}

QColor OutlineColour(QColor background, QColor fill) {
    auto blend = [](int b, int f) { return (b + 3 * f) / 4; };
    return QColor(blend(background.red(), fill.red()), blend(background.green(), fill.green()),
                  blend(background.blue(), fill.blue()));
}

}  // namespace terrovane::panel
