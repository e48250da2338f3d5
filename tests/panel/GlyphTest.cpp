#include <gtest/gtest.h>

#include "DigitLayout.h"
#include "SegmentGlyph.h"
#include "SegmentOutline.h"

namespace terrovane::panel {
namespace {

TEST(SegmentGlyphs, DecimalTextHasDigitsAndOnePoint) {
    const auto glyphs = BuildGlyphs("12.34", kStyleKeepAspect);
    ASSERT_EQ(glyphs.size(), 5u);
    EXPECT_EQ(glyphs[2].kind, GlyphKind::Punctuation);
    EXPECT_EQ(glyphs[2].mask, 0x04);
    EXPECT_EQ(glyphs[0].kind, GlyphKind::SevenSegment);
    EXPECT_EQ(DesignWidth(glyphs), 214);
}

TEST(SegmentGlyphs, CharactersWithoutGlyphTakeNoRoom) {
    const auto glyphs = BuildGlyphs(">150", 0);
    ASSERT_EQ(glyphs.size(), 3u);
    EXPECT_EQ(glyphs[0].mask, 0x24);  // "1"
    EXPECT_TRUE(BuildGlyphs("<>,abc\xCF\x81", 0).empty());
    EXPECT_EQ(DesignWidth(BuildGlyphs("", 0)), 0);
}

TEST(SegmentGlyphs, FourteenSegmentStyleAppliesToDigitsSpaceAndMinusOnly) {
    EXPECT_EQ(GlyphFor('7', kStyleFourteenSegment)->mask, 0x3800);
    EXPECT_EQ(GlyphFor('7', 0)->mask, 0x25);
    EXPECT_EQ(GlyphFor('-', kStyleFourteenSegment)->mask, 0x00C0);
    EXPECT_EQ(GlyphFor('-', 0)->mask, 0x08);
    EXPECT_EQ(GlyphFor(' ', kStyleFourteenSegment)->kind, GlyphKind::FourteenSegment);
    EXPECT_EQ(GlyphFor('A', 0)->kind, GlyphKind::FourteenSegment);  // letters have no seven-segment form
    EXPECT_EQ(GlyphFor('A', 0)->mask, 0x3BC0);
    EXPECT_EQ(GlyphFor('Z', 0)->mask, 0x240C);
    EXPECT_EQ(GlyphFor(':', 0)->mask, 0x03);
    EXPECT_EQ(GlyphFor('.', kStyleFourteenSegment)->designWidth, 18);
}

TEST(SegmentOutlines, EverySegmentHasItsOwnAreaInsideTheCell) {
    struct Kind {
        GlyphKind kind;
        int segments;
        double width;
    };
    for (const Kind k : {Kind{GlyphKind::SevenSegment, 7, 49}, Kind{GlyphKind::FourteenSegment, 14, 49},
                         Kind{GlyphKind::Punctuation, 3, 18}}) {
        for (int i = 0; i < k.segments; ++i) {
            const QRectF bounds = SegmentOutline(k.kind, i).boundingRect();
            EXPECT_FALSE(bounds.isEmpty()) << i;
            EXPECT_TRUE(QRectF(0, 0, k.width, kGlyphDesignHeight).contains(bounds))
                << int(k.kind) << ":" << i;
            for (int j = 0; j < i; ++j) {
                EXPECT_FALSE(SegmentOutline(k.kind, i).intersects(SegmentOutline(k.kind, j)))
                    << int(k.kind) << ": " << i << " touches " << j;
            }
        }
    }
}

TEST(DigitLayout, KeepAspectCentresTheRowWithOneScale) {
    const auto glyphs = BuildGlyphs("12.34", 0);
    const auto layout = LayoutGlyphs(glyphs, QSize(428, 83), kStyleKeepAspect);
    EXPECT_DOUBLE_EQ(layout.scaleX, 1.0);
    EXPECT_DOUBLE_EQ(layout.scaleY, 1.0);
    ASSERT_EQ(layout.origins.size(), 5u);
    EXPECT_DOUBLE_EQ(layout.origins[0].x(), 107);  // (428 - 214) / 2
    EXPECT_DOUBLE_EQ(layout.origins[2].x(), 107 + 98);
    EXPECT_DOUBLE_EQ(layout.origins[3].x(), 107 + 98 + 18);

    const auto stretched = LayoutGlyphs(glyphs, QSize(428, 166), 0);
    EXPECT_DOUBLE_EQ(stretched.scaleX, 2.0);
    EXPECT_DOUBLE_EQ(stretched.scaleY, 2.0);
    EXPECT_DOUBLE_EQ(stretched.origins[0].x(), 0);
    EXPECT_TRUE(LayoutGlyphs({}, QSize(10, 10), kStyleKeepAspect).origins.empty());
}

TEST(DigitLayout, OutlinesBlendAQuarterOfTheBackground) {
    const QColor panel(173, 211, 193);
    EXPECT_EQ(OutlineColour(panel, Qt::black), QColor(43, 52, 48));
    EXPECT_EQ(OutlineColour(panel, panel), panel);
    EXPECT_EQ(OutlineColour(QColor(236, 233, 216), panel), QColor(188, 216, 198));
}

}  // namespace
}  // namespace terrovane::panel
