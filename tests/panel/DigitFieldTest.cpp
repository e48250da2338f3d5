#include <QApplication>
#include <QImage>
#include <set>

#include <gtest/gtest.h>

#include "DigitField.h"
#include "PanelPicture.h"

namespace terrovane::panel {
namespace {

std::set<QRgb> Colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) | 0xFF000000u);
    }
    return colours;
}

TEST(DigitField, PanelColoursShowOnlyLitSegments) {
    DigitField field;
    field.SetBackgroundColour(kPanelColour);
    field.SetText("8");
    const QImage lit = field.Render(QSize(98, 166));
    const std::set<QRgb> expected = {kPanelColour.rgb(), QColor(Qt::black).rgb(), QColor(43, 52, 48).rgb()};
    EXPECT_EQ(Colours(lit), expected);
    // The middle bar of the 8, at the cell's vertical centre, is filled black.
    EXPECT_EQ(QColor(lit.pixel(49, 83)), QColor(Qt::black));

    field.SetText("    ");  // every segment unlit
    EXPECT_EQ(Colours(field.Render(QSize(98, 166))), std::set<QRgb>{kPanelColour.rgb()});
}

TEST(DigitField, DefaultBackgroundShowsUnlitSegmentsFaintly) {
    DigitField field;
    field.SetText(" ");
    const auto colours = Colours(field.Render(QSize(49, 83)));
    EXPECT_TRUE(colours.count(DigitField::kDefaultOffColour.rgb()));
    EXPECT_TRUE(colours.count(DigitField::kDefaultBackground.rgb()));
}

TEST(DigitField, ModifyStyleRefusesConflictingBits) {
    DigitField field;
    EXPECT_EQ(field.Style(), kStyleKeepAspect);
    EXPECT_FALSE(field.ModifyStyle(kStyleFourteenSegment, kStyleFourteenSegment));
    EXPECT_TRUE(field.ModifyStyle(0, kStyleFourteenSegment));
    field.SetText("7");
    ASSERT_EQ(field.Glyphs().size(), 1u);
    EXPECT_EQ(field.Glyphs()[0].mask, 0x3800);
    EXPECT_TRUE(field.ModifyStyle(kStyleFourteenSegment, 0));
    EXPECT_EQ(field.Glyphs()[0].mask, 0x25);  // rebuilt after the style change
}

TEST(DigitField, SameTextOrColourTwiceCausesNoRepaint) {
    DigitField field;
    field.resize(120, 60);
    field.show();
    field.SetText("12.34");
    QApplication::processEvents();
    const int painted = field.PaintCount();
    ASSERT_GT(painted, 0);
    field.SetText("12.34");
    field.SetBackgroundColour(field.BackgroundColour());
    QApplication::processEvents();
    EXPECT_EQ(field.PaintCount(), painted);
    field.SetText("12.35");
    QApplication::processEvents();
    EXPECT_GT(field.PaintCount(), painted);
}

}  // namespace
}  // namespace terrovane::panel
