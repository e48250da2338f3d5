#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace terrovane::xls {

enum CellKind : std::int32_t { Empty = 0, Integer = 1, Double = 2, Text = 3, WideText = 4 };

// One cell value: empty, a 32-bit integer, a double, an 8-bit text or a UTF-16 text. Texts are owned and
// zero-terminated; an empty text leaves the cell empty so no record is written for it.
class XlsCell {
  public:
    XlsCell() = default;
    XlsCell(XlsCell&&) noexcept = default;
    XlsCell& operator=(XlsCell&&) noexcept = default;

    void SetIntegerValue(std::int32_t value);
    void SetDoubleValue(double value);
    // The text ends at its first zero, as a zero-terminated text would.
    void SetText(std::string_view text);
    void SetWideText(std::u16string_view text);
    void Clear();

    CellKind Kind() const { return kind_; }
    // Integer, or the double truncated toward zero; false for other kinds (and doubles out of range).
    bool ReadInteger(std::int32_t& value) const;
    // Double, or the integer converted; false for other kinds.
    bool ReadDouble(double& value) const;
    std::int32_t IntegerValue() const;
    double DoubleValue() const;
    bool CopyText(std::string& destination) const;
    bool CopyWideText(std::u16string& destination) const;
    // Characters of the 8-bit text for Text, otherwise of the wide text; -1 when that text holds nothing.
    int TextLength() const;

    std::string_view TextView() const;
    std::u16string_view WideTextView() const;

  private:
    CellKind kind_ = Empty;
    std::int32_t integer_ = 0;
    double double_ = 0.0;
    std::unique_ptr<char[]> text_;
    std::unique_ptr<char16_t[]> wide_;
};

}  // namespace terrovane::xls
