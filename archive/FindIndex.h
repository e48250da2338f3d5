#pragma once

namespace terrovane::archive {

// What an entry of the full-text index stands for. An entry's rowid is its row's id times 8 plus its
// kind, so the kind is the rowid's low three bits and the row its id shifted by three.
enum class FindKind {
    Site = 1,         // name, address, notes
    Point = 2,        // name, notes
    Label = 3,        // the label's text
    Result = 4,       // a read-out result's note
    ReadOut = 5,      // a read-out's note
    TypedResult = 6,  // the newest version of a typed result: instrument, who measured, note
    Attachment = 7,   // a photo's or document's caption
};

inline constexpr int kFindKindBits = 3;

// Text with a Chinese, Japanese or Korean character (a GLOB pattern): such text is also in find_grams,
// where any part of it is found. The ranges are the CJK radicals to the unified ideographs (kana and
// bopomofo among them), the Hangul syllables and the compatibility ideographs.
inline constexpr const char* kEastAsianGlob = "*[\u2E80-\u9FFF\uAC00-\uD7AF\uF900-\uFAFF]*";

}  // namespace terrovane::archive
