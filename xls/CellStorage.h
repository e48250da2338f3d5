#pragma once

#include <cstdint>
#include <cstring>

namespace terrovane::xls {

enum CellKind : std::int32_t { Empty = 0, Integer = 1, Double = 2, Text = 3, WideText = 4 };

// The packed storage of one cell value: 32 bytes holding the kind, a number's bytes or a zero-terminated
// text, inline when it fits (up to 22 bytes with its terminator) and otherwise on the heap, together with
// the text's length and lookup hash. A large sheet holds a million cells, so every byte counts. Moving
// hands the text over and leaves the source empty.
class CellStorage {
  public:
    CellStorage() = default;
    ~CellStorage() { Release(); }
    CellStorage(CellStorage&& other) noexcept { TakeFrom(other); }
    CellStorage& operator=(CellStorage&& other) noexcept;
    CellStorage(const CellStorage&) = delete;
    CellStorage& operator=(const CellStorage&) = delete;

    CellKind Kind() const { return static_cast<CellKind>(kind_); }
    std::uint32_t Length() const { return length_; }
    std::uint32_t Hash() const { return hash_; }

    // Drops any text and stores a number's bytes under `kind`.
    template <typename Number>
    void PutNumber(CellKind kind, Number value) {
        Release();
        kind_ = static_cast<std::uint8_t>(kind), length_ = 0, hash_ = 0;
        std::memcpy(storage_, &value, sizeof value);
    }
    template <typename Number>
    Number NumberBytes() const {
        Number value;
        std::memcpy(&value, storage_, sizeof value);
        return value;
    }
    // Room for `bytes` of characters and the terminator, inline when they fit; MarkText then names what
    // was written there.
    void* StoreText(std::size_t bytes);
    void MarkText(CellKind kind, std::uint32_t length, std::uint32_t hash) {
        kind_ = static_cast<std::uint8_t>(kind), length_ = length, hash_ = hash;
    }
    void MakeEmpty();
    const void* Chars() const;

  private:
    static constexpr std::size_t kInlineBytes = 22;

    bool OnHeap() const { return (kind_ == Text || kind_ == WideText) && heap_; }
    void Release();
    void TakeFrom(CellStorage& other) noexcept;

    std::uint32_t length_ = 0;  // characters of the text
    std::uint32_t hash_ = 0;
    std::uint8_t kind_ = Empty;
    bool heap_ = false;  // the text lives behind a pointer kept in storage_
    // The integer, the double, the inline zero-terminated text or the heap pointer (copied in and out, as
    // the storage is only 2-byte aligned to keep the cell at 32 bytes).
    alignas(2) unsigned char storage_[kInlineBytes] = {};
};

}  // namespace terrovane::xls
