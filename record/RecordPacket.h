#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace terrovane::record {

// The instrument's 72-byte form of one storage slot. Multi-byte fields are little-endian on the wire.
struct RecordPacket {
    static constexpr std::size_t kSize = 72;
    static constexpr std::size_t kModeOffset = 4;
    static constexpr std::size_t kReservedOffset = 5;
    static constexpr std::size_t kDateTimeOffset = 6;  // year, month, day, hour, minute, second (BCD)
    static constexpr std::size_t kVoltageCodeOffset = 12;
    static constexpr std::size_t kFrequencyCodeOffset = 13;
    static constexpr std::size_t kValuesOffset = 14;  // 11 IEEE 754 single-precision floats
    static constexpr std::size_t kIntegerOffset = 58;
    static constexpr std::size_t kValidMarkOffset = 67;
    static constexpr std::size_t kTailMarkerOffset = 68;
    static constexpr std::uint8_t kValidMark = 'U';
};

constexpr std::size_t kSlotCount = 100;
constexpr std::size_t kReadOutSize = kSlotCount * RecordPacket::kSize;  // 7200

// The 100 packets of a read-out in slot order; packet i is bytes 72*i .. 72*i+71.
using ReadOutBuffer = std::array<std::uint8_t, kReadOutSize>;

inline std::span<const std::uint8_t, RecordPacket::kSize> PacketOf(const ReadOutBuffer& buffer,
                                                                   std::size_t slot) {
    return std::span<const std::uint8_t, RecordPacket::kSize>(buffer.data() + slot * RecordPacket::kSize,
                                                              RecordPacket::kSize);
}

inline std::span<std::uint8_t, RecordPacket::kSize> PacketOf(ReadOutBuffer& buffer, std::size_t slot) {
    return std::span<std::uint8_t, RecordPacket::kSize>(buffer.data() + slot * RecordPacket::kSize,
                                                        RecordPacket::kSize);
}

// True when both "OK" markers of a packet are in place (bytes 0-1 and 68-69).
bool HasMarkers(std::span<const std::uint8_t, RecordPacket::kSize> packet);

}  // namespace terrovane::record
