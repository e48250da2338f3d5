#pragma once

namespace terrovane::form {

// Bits of the text attribute word that callers pass to every text operation.
enum TextAttributes : int {
    kBold = 0x001,
    kItalic = 0x002,
    kUnderline = 0x004,
    kStrikeOut = 0x008,
    kBox = 0x010,  // frame the text rectangle with the current pen and the fill code's brush first
    kRightAligned = 0x040,
    kCentred = 0x080,  // wins over right-aligned
    kExpandTabs = 0x100,
    kSingleLine = 0x200,  // otherwise word-wrapped, breaking at "\n"
    kNoClip = 0x400,
    kVerticallyCentred = 0x800,  // single-line texts only
};

inline constexpr int kDefaultAttributes = 0x420;
inline constexpr int kKeepAttributes = 0xFFFF;  // an attribute argument that keeps the current word
inline constexpr int kKeepStyle = 0xFFFF;       // a fill or line style argument that keeps the current one
inline constexpr int kTableCellAttributes = kBold | kBox | kCentred | kVerticallyCentred;  // 0x891

}  // namespace terrovane::form
