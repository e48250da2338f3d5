#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "BiffRecord.h"

namespace terrovane::xls {

// The shared string table's strings, kept as their on-stream character bytes in one buffer, so a table
// of a million strings costs little more than its file size.
class SstStrings {
  public:
    struct Entry {
        std::uint32_t offset;  // into the character buffer
        std::uint32_t count;   // characters
        bool wide;
    };
    static std::size_t CharBytesOf(const Entry& e) { return e.wide ? 2 * std::size_t{e.count} : e.count; }

    void Clear();
    // Clear, also giving the memory back.
    void Release();
    void Reserve(std::size_t strings, std::size_t charBytes);
    std::uint32_t AppendNarrow(std::string_view text);
    std::uint32_t AppendWide(std::u16string_view text);

    const std::vector<Entry>& Entries() const { return strings_; }
    const std::uint8_t* CharsOf(const Entry& e) const { return chars_.data() + e.offset; }
    std::span<const std::uint8_t> CharBytes(std::size_t index) const;
    BiffText TextAt(std::size_t index) const;

  private:
    std::vector<Entry> strings_;
    std::vector<std::uint8_t> chars_;
};

}  // namespace terrovane::xls
