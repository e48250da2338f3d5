#include "StringIndex.h"

#include <algorithm>

#include "ByteOrder.h"
#include "HugePages.h"
#include "TextHash.h"

namespace terrovane::xls {
bool StringIndex::Matches(std::uint32_t index, std::string_view text) const {
    if (sst_.IsWide(index)) {
        return false;
    }
    const auto bytes = sst_.CharBytes(index);
    return bytes.size() == text.size() &&
           std::equal(bytes.begin(), bytes.end(), text.begin(),
                      [](auto a, char b) { return a == static_cast<std::uint8_t>(b); });
}

bool StringIndex::Matches(std::uint32_t index, std::u16string_view text) const {
    if (!sst_.IsWide(index)) {
        return false;
    }
    const auto bytes = sst_.CharBytes(index);
    if (bytes.size() != 2 * text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (GetU16(bytes.data() + 2 * i) != text[i]) {
            return false;
        }
    }
    return true;
}

void StringIndex::Reserve(std::size_t texts) {
    // Up to three quarters full: probes stay short, and the smaller table matters when every lookup of a
    // large sheet misses the cache.
    std::size_t slots = kMinSlots;
    while (3 * slots < 4 * texts) {
        slots *= 2;
    }
    if (slots > slots_.size()) {
        Rehash(slots);
    }
}

void StringIndex::Grow() {
    Rehash(slots_.size() * 2);
}

void StringIndex::Rehash(std::size_t slots) {
    std::vector<Slot> old;
    old.reserve(slots);
    AdviseHugePages(old.data(), slots * sizeof(Slot));
    old.resize(slots);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.indexPlusOne == 0) {
            continue;
        }
        std::size_t at = slot.hash & mask;
        while (slots_[at].indexPlusOne != 0) {
            at = (at + 1) & mask;
        }
        slots_[at] = slot;
    }
}

template <typename Text, typename Append>
std::uint32_t StringIndex::Find(const Text& text, std::uint32_t hash, Append append) {
    if (4 * (used_ + 1) > 3 * slots_.size()) {
        Grow();
    }
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hash & mask;
    while (slots_[at].indexPlusOne != 0) {
        const Slot& slot = slots_[at];
        if (slot.hash == hash && Matches(slot.indexPlusOne - 1, text)) {
            return slot.indexPlusOne - 1;
        }
        at = (at + 1) & mask;
    }
    const std::uint32_t index = append(text);
    slots_[at] = Slot{hash, index + 1};
    ++used_;
    ++sst_.uniqueCount;
    return index;
}

std::uint32_t StringIndex::Hash(std::string_view text) {
    return TextHashOf(text);
}
std::uint32_t StringIndex::Hash(std::u16string_view text) {
    return TextHashOf(text);
}

std::uint32_t StringIndex::IndexOf(std::string_view text, std::uint32_t hash) {
    return Find(text, hash, [this](std::string_view t) { return sst_.AppendNarrow(t); });
}

std::uint32_t StringIndex::IndexOf(std::u16string_view text, std::uint32_t hash) {
    return Find(text, hash, [this](std::u16string_view t) { return sst_.AppendWide(t); });
}

}  // namespace terrovane::xls
