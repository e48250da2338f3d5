#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "CellStorage.h"

namespace terrovane::xls {

// One cell value: empty, a 32-bit integer, a double, an 8-bit text or a UTF-16 text. Texts are owned and
// zero-terminated; an empty text leaves the cell empty so no record is written for it. A large sheet holds
// a million cells, so a cell is 32 bytes (its packed storage) and keeps short texts (up to 10 UTF-16 or 21
// 8-bit characters) inside itself instead of on the heap, together with the hash the string table looks
// them up by. Cells move but are not copied.
class XlsCell {
  public:
    void SetIntegerValue(std::int32_t value);
    void SetDoubleValue(double value);
    // The text ends at its first zero, as a zero-terminated text would.
    void SetText(std::string_view text);
    void SetWideText(std::u16string_view text);
    void Clear();

    CellKind Kind() const { return storage_.Kind(); }
    // Integer, or the double truncated toward zero; false for other kinds (and doubles out of range).
    bool ReadInteger(std::int32_t& value) const;
    // Double, or the integer converted; false for other kinds.
    bool ReadDouble(double& value) const;
    std::int32_t IntegerValue() const;
    double DoubleValue() const;
    bool CopyText(std::string& destination) const;
    bool CopyWideText(std::u16string& destination) const;
    // Characters of the 8-bit text for Text, otherwise of the wide text; -1 when that text holds nothing.
    int TextLength() const {
        return (Kind() == Text || Kind() == WideText) ? static_cast<int>(storage_.Length()) : -1;
    }

    std::string_view TextView() const {
        return Kind() == Text
                   ? std::string_view(static_cast<const char*>(storage_.Chars()), storage_.Length())
                   : std::string_view();
    }
    std::u16string_view WideTextView() const {
        return Kind() == WideText
                   ? std::u16string_view(static_cast<const char16_t*>(storage_.Chars()), storage_.Length())
                   : std::u16string_view();
    }
    // The text's lookup hash (TextHashOf of the whole text); 0 for other kinds.
    std::uint32_t TextHash() const { return storage_.Hash(); }

  private:
    CellStorage storage_;
};

}  // namespace terrovane::xls
