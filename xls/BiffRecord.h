#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace terrovane::xls {

// Largest payload one record carries; longer payloads continue in CONTINUE records.
constexpr std::size_t kMaxRecordPayload = 8224;
constexpr std::uint16_t kContinueCode = 0x003C;
constexpr std::size_t kRecordHeaderSize = 4;

// A string in one of the two widths a workbook stream stores: 8-bit characters (flags 0) or UTF-16LE
// (flags 1). The short form has a 1-byte count, the long form a 2-byte count.
struct BiffText {
    std::string narrow;
    std::u16string wide;
    bool isWide = false;

    static BiffText Narrow(std::string text) { return BiffText{std::move(text), {}, false}; }
    static BiffText Wide(std::u16string text) { return BiffText{{}, std::move(text), true}; }
    std::size_t CharCount() const { return isWide ? wide.size() : narrow.size(); }
    std::size_t CharBytes() const { return isWide ? 2 * wide.size() : narrow.size(); }
    std::size_t ShortSize() const { return 2 + CharBytes(); }
    std::size_t LongSize() const { return 3 + CharBytes(); }
    std::uint8_t* WriteShort(std::uint8_t* out) const;
    std::uint8_t* WriteLong(std::uint8_t* out) const;
    std::uint8_t* WriteChars(std::uint8_t* out) const;
    // Reads a short (1-byte count) or long form; returns the bytes consumed or 0 when truncated.
    std::size_t Read(std::span<const std::uint8_t> in, bool longForm);
};

// Writes the record header and payload, splitting payloads over 8224 bytes into CONTINUE records at the
// given payload offsets (or at fixed 8224-byte steps when none are given). Returns the bytes written.
std::size_t EmitPayload(std::uint8_t* out, std::uint16_t code, std::span<const std::uint8_t> payload,
                        std::span<const std::uint32_t> splits = {});
// Bytes on the stream of a payload of that size split into `pieces` records.
inline std::size_t RecordBytes(std::size_t payload, std::size_t pieces) {
    return payload + kRecordHeaderSize * pieces;
}
// Record pieces of a payload cut at fixed 8224-byte steps.
inline std::size_t FixedPieces(std::size_t payload) {
    return payload <= kMaxRecordPayload ? 1 : (payload + kMaxRecordPayload - 1) / kMaxRecordPayload;
}

// Base of every record: code, payload buffer and the CONTINUE split positions. Emit resizes the payload
// to PayloadSize, serialises the fields into it and writes code, length and payload.
class BiffRecord {
  public:
    explicit BiffRecord(std::uint16_t code) : code_(code) {}
    virtual ~BiffRecord() = default;

    virtual bool Parse(std::span<const std::uint8_t> payload) = 0;
    virtual std::size_t Emit(std::uint8_t* out);
    virtual std::size_t PayloadSize() = 0;
    virtual std::size_t TotalSize() {
        const std::size_t payload = PayloadSize();
        return RecordBytes(payload, FixedPieces(payload));
    }

    std::uint16_t Code() const { return code_; }
    const std::vector<std::uint8_t>& Payload() const { return payload_; }

  protected:
    BiffRecord(const BiffRecord&) = default;
    BiffRecord& operator=(const BiffRecord&) = default;
    virtual void WriteFields(std::uint8_t* payload) = 0;

    std::uint16_t code_;
    std::vector<std::uint8_t> payload_;
    std::vector<std::uint32_t> splits_;
};

}  // namespace terrovane::xls
