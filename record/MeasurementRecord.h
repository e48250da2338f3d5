#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "RecordPacket.h"

namespace terrovane::record {

// Index of each quantity in MeasurementRecord::values.
enum ValueIndex : int {
    kRe = 0,
    kRs = 1,
    kRh = 2,
    kRac = 3,
    kR1 = 4,
    kR2 = 5,
    kResistivity = 6,
    kRk = 7,
    kJammingFrequency = 8,
    kJammingVoltage = 9,
    kIac = 10,
    kValueCount = 11,
};

// One decoded stored result. Date and time fields still hold their BCD bytes.
struct MeasurementRecord {
    std::uint32_t mode = 0;
    std::uint32_t reservedByte = 0;
    std::uint32_t year = 0;
    std::uint32_t month = 0;
    std::uint32_t day = 0;
    std::uint32_t hour = 0;
    std::uint32_t minute = 0;
    std::uint32_t second = 0;
    std::uint32_t voltageCode = 0;
    std::uint32_t frequencyCode = 0;
    std::array<float, kValueCount> values{};
    std::uint32_t integerValue = 0;
    char validMark = 0;

    // Decodes a packet field by field (bytes widened, floats copied bit for bit, little-endian).
    static MeasurementRecord FromPacket(std::span<const std::uint8_t, RecordPacket::kSize> packet);
    // Encodes back into packet form (used by the simulator and tests); untouched bytes stay as they are.
    void ToPacket(std::span<std::uint8_t, RecordPacket::kSize> packet) const;
};

// Low nibble plus ten times the high nibble of the low 8 bits: 0x59 -> 59, 0x1A -> 20.
int BcdToInt(std::uint32_t bcd);

// Decoded components; an absent record yields 0.
int RecordYear(const MeasurementRecord* record);
int RecordMonth(const MeasurementRecord* record);
int RecordDay(const MeasurementRecord* record);
int RecordHour(const MeasurementRecord* record);
int RecordMinute(const MeasurementRecord* record);
int RecordSecond(const MeasurementRecord* record);
std::uint32_t RecordMode(const MeasurementRecord* record);

}  // namespace terrovane::record
