#include "SegmentGlyph.h"

#include <array>

namespace terrovane::panel {
namespace {

constexpr int kDigitWidth = 49;
constexpr int kPunctuationWidth = 18;

// Bit 0 top, 1 upper left, 2 upper right, 3 middle, 4 lower left, 5 lower right, 6 bottom.
constexpr std::array<std::uint16_t, 10> kSevenSegmentDigits = {0x77, 0x24, 0x5D, 0x6D, 0x2E,
                                                               0x6B, 0x7B, 0x25, 0x7F, 0x6F};
constexpr std::array<std::uint16_t, 10> kFourteenSegmentDigits = {0x3F00, 0x1800, 0x36C0, 0x3CC0, 0x19C0,
                                                                  0x2DC0, 0x2FC0, 0x3800, 0x3FC0, 0x3DC0};
constexpr std::array<std::uint16_t, 26> kFourteenSegmentLetters = {
    0x3BC0, 0x3CA1, 0x2700, 0x3C21, 0x27C0, 0x23C0, 0x2F80, 0x1BC0, 0x2421, 0x1E00, 0x0354, 0x0700, 0x1B06,
    0x1B12, 0x3F00, 0x33C0, 0x3F10, 0x33D0, 0x2DC0, 0x2021, 0x1F00, 0x030C, 0x1B18, 0x001E, 0x11E0, 0x240C};

SegmentGlyph Seven(std::uint16_t mask) {
    return {GlyphKind::SevenSegment, kDigitWidth, 7, mask};
}
SegmentGlyph Fourteen(std::uint16_t mask) {
    return {GlyphKind::FourteenSegment, kDigitWidth, 14, mask};
}
SegmentGlyph Punctuation(std::uint16_t mask) {
    return {GlyphKind::Punctuation, kPunctuationWidth, 3, mask};
}

std::optional<SegmentGlyph> DigitLike(char c, bool fourteen) {
    if (c >= '0' && c <= '9') {
        const auto i = static_cast<std::size_t>(c - '0');
        return fourteen ? Fourteen(kFourteenSegmentDigits[i]) : Seven(kSevenSegmentDigits[i]);
    }
    if (c == ' ')
        return fourteen ? Fourteen(0) : Seven(0);
    if (c == '-')
        return fourteen ? Fourteen(0x00C0) : Seven(0x08);
    return std::nullopt;
}

}  // namespace

std::optional<SegmentGlyph> GlyphFor(char c, unsigned style) {
    if (auto glyph = DigitLike(c, (style & kStyleFourteenSegment) != 0))
        return glyph;
    if (c >= 'A' && c <= 'Z')
        return Fourteen(kFourteenSegmentLetters[static_cast<std::size_t>(c - 'A')]);
    switch (c) {
        case '*':
            return Fourteen(0x00FF);
        case '+':
            return Fourteen(0x00E1);
        case '.':
            return Punctuation(0x04);
        case ':':
            return Punctuation(0x03);
        default:
            return std::nullopt;
    }
}

std::vector<SegmentGlyph> BuildGlyphs(std::string_view text, unsigned style) {
    std::vector<SegmentGlyph> glyphs;
    for (char c : text) {
        if (auto glyph = GlyphFor(c, style))
            glyphs.push_back(*glyph);
    }
    return glyphs;
}

int DesignWidth(const std::vector<SegmentGlyph>& glyphs) {
    int width = 0;
    for (const auto& glyph : glyphs)
        width += glyph.designWidth;
    return width;
}

}  // namespace terrovane::panel
