#include "MeasurementRecord.h"

#include <bit>
#include <cstring>

namespace terrovane::record {
namespace {

std::uint32_t ReadLe16(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8);
}

std::uint32_t ReadLe32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

void WriteLe32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

}  // namespace

MeasurementRecord MeasurementRecord::FromPacket(std::span<const std::uint8_t, RecordPacket::kSize> packet) {
    const std::uint8_t* p = packet.data();
    MeasurementRecord r;
    r.mode = p[RecordPacket::kModeOffset];
    r.reservedByte = p[RecordPacket::kReservedOffset];
    const std::uint8_t* dt = p + RecordPacket::kDateTimeOffset;
    r.year = dt[0];
    r.month = dt[1];
    r.day = dt[2];
    r.hour = dt[3];
    r.minute = dt[4];
    r.second = dt[5];
    r.voltageCode = p[RecordPacket::kVoltageCodeOffset];
    r.frequencyCode = p[RecordPacket::kFrequencyCodeOffset];
    for (int i = 0; i < kValueCount; ++i) {
        r.values[i] = std::bit_cast<float>(ReadLe32(p + RecordPacket::kValuesOffset + 4 * i));
    }
    r.integerValue = ReadLe16(p + RecordPacket::kIntegerOffset);
    r.validMark = char(p[RecordPacket::kValidMarkOffset]);
    return r;
}

void MeasurementRecord::ToPacket(std::span<std::uint8_t, RecordPacket::kSize> packet) const {
    std::uint8_t* p = packet.data();
    p[RecordPacket::kModeOffset] = std::uint8_t(mode);
    p[RecordPacket::kReservedOffset] = std::uint8_t(reservedByte);
    const std::uint32_t dateTime[] = {year, month, day, hour, minute, second};
    for (int i = 0; i < 6; ++i)
        p[RecordPacket::kDateTimeOffset + i] = std::uint8_t(dateTime[i]);
    p[RecordPacket::kVoltageCodeOffset] = std::uint8_t(voltageCode);
    p[RecordPacket::kFrequencyCodeOffset] = std::uint8_t(frequencyCode);
    for (int i = 0; i < kValueCount; ++i) {
        WriteLe32(p + RecordPacket::kValuesOffset + 4 * i, std::bit_cast<std::uint32_t>(values[i]));
    }
    p[RecordPacket::kIntegerOffset] = std::uint8_t(integerValue);
    p[RecordPacket::kIntegerOffset + 1] = std::uint8_t(integerValue >> 8);
    p[RecordPacket::kValidMarkOffset] = std::uint8_t(validMark);
}

int BcdToInt(std::uint32_t bcd) {
    const std::uint32_t b = bcd & 0xFF;
    return int((b & 0x0F) + (b >> 4) * 10);
}

int RecordYear(const MeasurementRecord* r) {
    return r ? BcdToInt(r->year) : 0;
}
int RecordMonth(const MeasurementRecord* r) {
    return r ? BcdToInt(r->month) : 0;
}
int RecordDay(const MeasurementRecord* r) {
    return r ? BcdToInt(r->day) : 0;
}
int RecordHour(const MeasurementRecord* r) {
    return r ? BcdToInt(r->hour) : 0;
}
int RecordMinute(const MeasurementRecord* r) {
    return r ? BcdToInt(r->minute) : 0;
}
int RecordSecond(const MeasurementRecord* r) {
    return r ? BcdToInt(r->second) : 0;
}
std::uint32_t RecordMode(const MeasurementRecord* r) {
    return r ? r->mode : 0;
}

}  // namespace terrovane::record
