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
    explicit StringIndex(SstRecord& sst) : sst_(sst), slots_(kMinSlots) {}

    // Sizes the table for about `texts` lookups so a large sheet does not rehash as it goes.
    void Reserve(std::size_t texts);
    std::uint32_t IndexOf(std::string_view text) { return IndexOf(text, Hash(text)); }
    std::uint32_t IndexOf(std::u16string_view text) { return IndexOf(text, Hash(text)); }

    // Lookups in a large table wait on memory: a caller that knows the next texts' hashes (TextHashOf,
    // which cells keep) prefetches their slots, then looks them up with the hash.
    static std::uint32_t Hash(std::string_view text);
    static std::uint32_t Hash(std::u16string_view text);
    void Prefetch(std::uint32_t hash) const {
        const Slot* slot = slots_.data() + (hash & (slots_.size() - 1));  // the table is never empty
#if defined(__x86_64__) || defined(__i386__)
        // GCC counts __builtin_prefetch as having no effect and deletes a loop or branch doing nothing
        // else, so the prefetch is an asm statement it must keep.
        asm volatile("prefetcht0 %0" : : "m"(*slot));
#else
        __builtin_prefetch(slot);
#endif
    }
    std::uint32_t IndexOf(std::string_view text, std::uint32_t hash);
    std::uint32_t IndexOf(std::u16string_view text, std::uint32_t hash);

  private:
    static constexpr std::size_t kMinSlots = 1024;
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t indexPlusOne = 0;  // 0: empty
    };
    template <typename Text, typename Append>
    std::uint32_t Find(const Text& text, std::uint32_t hash, Append append);
    bool Matches(std::uint32_t index, std::string_view text) const;
    bool Matches(std::uint32_t index, std::u16string_view text) const;
    void Grow();
    void Rehash(std::size_t slots);

    SstRecord& sst_;
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

}  // namespace terrovane::xls
