#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace terrovane::xls {

enum CellKind : std::int32_t { Empty = 0, Integer = 1, Double = 2, Text = 3, WideText = 4 };

// One cell value: empty, a 32-bit integer, a double, an 8-bit text or a UTF-16 text. Texts are owned and
// zero-terminated; an empty text leaves the cell empty so no record is written for it. A large sheet holds
// a million cells, so a cell is 32 bytes and keeps short texts (up to 10 UTF-16 or 21 8-bit characters)
// inside itself instead of on the heap, together with the hash the string table looks them up by.
class XlsCell {
  public:
    XlsCell() = default;
    ~XlsCell() { ReleaseText(); }
    XlsCell(XlsCell&& other) noexcept { TakeFrom(other); }
    XlsCell& operator=(XlsCell&& other) noexcept;
    XlsCell(const XlsCell&) = delete;
    XlsCell& operator=(const XlsCell&) = delete;

    void SetIntegerValue(std::int32_t value);
    void SetDoubleValue(double value);
    // The text ends at its first zero, as a zero-terminated text would.
    void SetText(std::string_view text);
    void SetWideText(std::u16string_view text);
    void Clear();

    CellKind Kind() const { return static_cast<CellKind>(kind_); }
    // Integer, or the double truncated toward zero; false for other kinds (and doubles out of range).
    bool ReadInteger(std::int32_t& value) const;
    // Double, or the integer converted; false for other kinds.
    bool ReadDouble(double& value) const;
    std::int32_t IntegerValue() const;
    double DoubleValue() const;
    bool CopyText(std::string& destination) const;
    bool CopyWideText(std::u16string& destination) const;
    // Characters of the 8-bit text for Text, otherwise of the wide text; -1 when that text holds nothing.
    int TextLength() const { return (kind_ == Text || kind_ == WideText) ? static_cast<int>(length_) : -1; }

    std::string_view TextView() const {
        return kind_ == Text ? std::string_view(static_cast<const char*>(Chars()), length_)
                             : std::string_view();
    }
    std::u16string_view WideTextView() const {
        return kind_ == WideText ? std::u16string_view(static_cast<const char16_t*>(Chars()), length_)
                                 : std::u16string_view();
    }
    // The text's lookup hash (TextHashOf of the whole text); 0 for other kinds.
    std::uint32_t TextHash() const { return hash_; }

  private:
    static constexpr std::size_t kInlineBytes = 22;

    bool OnHeap() const { return (kind_ == Text || kind_ == WideText) && heap_; }
    const void* Chars() const;
    void* StoreText(std::size_t bytes);
    void ReleaseText();
    void TakeFrom(XlsCell& other) noexcept;

    std::uint32_t length_ = 0;  // characters of the text
    std::uint32_t hash_ = 0;
    std::uint8_t kind_ = Empty;
    bool heap_ = false;  // the text lives behind a pointer kept in storage_
    // The integer, the double, the inline zero-terminated text or the heap pointer (copied in and out, as
    // the storage is only 2-byte aligned to keep the cell at 32 bytes).
    alignas(2) unsigned char storage_[kInlineBytes] = {};
};

}  // namespace terrovane::xls
