#pragma once

#include <string_view>

#include "BiffRecord.h"
#include "SstStrings.h"

namespace terrovane::xls {

// The shared string table: its strings (SstStrings) and their layout over records. Payloads over 8224 bytes
// continue in CONTINUE records cut at string boundaries or inside a string, where the continuation starts
// with the string's flag byte again.
class SstRecord : public BiffRecord {
  public:
    // An entry counts its characters in 16 bits: longer texts keep their first 65535 characters rather
    // than corrupting the table with a wrapped count.
    static constexpr std::size_t kMaxChars = 65535;

    SstRecord() : BiffRecord(0x00FC) {}

    void Clear();
    // Clear, also giving the memory back.
    void Release();
    // Room for up to `strings` strings of `charBytes` character bytes in all, so a large table is not
    // copied while it grows.
    void Reserve(std::size_t strings, std::size_t charBytes);
    // Appends a string and returns its index; the counts are the caller's to maintain.
    std::uint32_t AppendNarrow(std::string_view text);
    std::uint32_t AppendWide(std::u16string_view text);
    std::size_t StringCount() const { return strings_.Entries().size(); }
    bool IsWide(std::size_t index) const { return strings_.Entries()[index].wide; }
    std::span<const std::uint8_t> CharBytes(std::size_t index) const { return strings_.CharBytes(index); }
    BiffText TextAt(std::size_t index) const { return strings_.TextAt(index); }

    bool Parse(std::span<const std::uint8_t> payload) override;
    std::size_t Emit(std::uint8_t* out) override;
    std::size_t PayloadSize() override;
    std::size_t TotalSize() override {
        const std::size_t payload = PayloadSize();  // also lays out the split list
        return RecordBytes(payload, splits_.size() + 1);
    }
    // Payload offsets where CONTINUE records begin (valid after PayloadSize).
    const std::vector<std::uint32_t>& Splits() const { return splits_; }

    std::uint32_t totalCount = 0;
    std::uint32_t uniqueCount = 0;

  protected:
    void WriteFields(std::uint8_t*) override {}

  private:
    void AddSplit(std::size_t at, bool insideString);
    std::size_t LayOut();

    SstStrings strings_;
    std::vector<bool> splitInsideString_;  // parallel to splits_: the continuation repeats the flag byte
    // The payload size of the current strings, 0 until laid out: a save asks for it several times and a
    // large table's layout walks a million strings.
    std::size_t laidOutSize_ = 0;
};

}  // namespace terrovane::xls
