#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace terrovane::panel {

// Style bits of a DigitField.
inline constexpr unsigned kStyleFourteenSegment = 2;  // digits, space and "-" as fourteen-segment glyphs
inline constexpr unsigned kStyleKeepAspect = 4;       // equal scale on both axes, glyph row centred

inline constexpr int kGlyphDesignHeight = 83;

enum class GlyphKind { SevenSegment, FourteenSegment, Punctuation };

// One drawable character: which segments exist and which are lit.
struct SegmentGlyph {
    GlyphKind kind;
    int designWidth;
    int segmentCount;
    std::uint16_t mask;

    bool IsLit(int segment) const { return (mask >> segment) & 1u; }
    bool operator==(const SegmentGlyph&) const = default;
};

// The glyph of one character, or nullopt for characters the display cannot show (they take no room).
std::optional<SegmentGlyph> GlyphFor(char character, unsigned style);

std::vector<SegmentGlyph> BuildGlyphs(std::string_view text, unsigned style);

// Sum of the design widths.
int DesignWidth(const std::vector<SegmentGlyph>& glyphs);

}  // namespace terrovane::panel
