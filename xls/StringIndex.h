#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "SstRecord.h"

namespace terrovane::xls {

// Finds a text's index in the shared string table, adding the text on first sight. 8-bit and UTF-16
// texts are separate keys even when their characters agree. An open-addressing table of indexes into the
// string table keeps the lookup small next to a million distinct texts.
class StringIndex {
  public:
    explicit StringIndex(SstRecord& sst) : sst_(sst) {}

    std::uint32_t IndexOf(std::string_view text);
    std::uint32_t IndexOf(std::u16string_view text);

  private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t indexPlusOne = 0;  // 0: empty
    };
    template <typename Text, typename Append>
    std::uint32_t Find(const Text& text, bool wide, Append append);
    bool Matches(std::uint32_t index, std::string_view text) const;
    bool Matches(std::uint32_t index, std::u16string_view text) const;
    void Grow();

    SstRecord& sst_;
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

}  // namespace terrovane::xls
