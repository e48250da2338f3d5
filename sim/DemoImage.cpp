#include "DemoImage.h"

#include <initializer_list>
#include <utility>

#include "MeasurementRecord.h"

namespace terrovane::sim {
namespace {

using record::MeasurementRecord;
using record::RecordPacket;

struct DemoResult {
    int slot;
    int mode;
    std::uint32_t date;  // BCD 0xYYMMDD
    std::uint32_t time;  // BCD 0xHHMMSS
    int voltageCode;
    int frequencyCode;
    std::initializer_list<std::pair<int, float>> values;
    int integerValue = 0;
};

constexpr float kInvalid = -1.0f;

// Mains-borne interference: 50 Hz and a few volts in most results, one below the 1 V validity floor.
const DemoResult kResults[] = {
    {0,
     1,
     0x250314,
     0x091233,
     2,
     1,
     {{0, 4.87f}, {1, 812.0f}, {2, 1530.0f}, {7, 0.42f}, {8, 50.0f}, {9, 2.4f}}},
    {1,
     1,
     0x250314,
     0x092010,
     2,
     2,
     {{0, 0.386f}, {1, 96.5f}, {2, 204.0f}, {7, 0.38f}, {8, 50.0f}, {9, 1.1f}}},
    {3, 2, 0x250314, 0x101502, 2, 3, {{0, 27.4f}, {1, 1420.0f}, {2, 2210.0f}, {8, 50.0f}, {9, 3.0f}}},
    {4,
     1,
     0x250315,
     0x083000,
     2,
     5,
     {{0, 350000.0f}, {1, 9870.0f}, {2, 12000.0f}, {7, 0.5f}, {8, 0.0f}, {9, 0.4f}}},
    {6,
     3,
     0x250315,
     0x084512,
     1,
     4,
     {{0, 12.9f}, {1, 640.0f}, {2, 980.0f}, {7, 0.41f}, {8, 50.0f}, {9, 5.2f}}},
    {7,
     3,
     0x250315,
     0x085959,
     1,
     1,
     {{0, 25000.0f}, {1, 3100.0f}, {2, 4400.0f}, {7, 0.4f}, {8, 50.0f}, {9, 2.0f}}},
    {9, 4, 0x250316, 0x140000, 2, 2, {{0, 8.15f}, {1, 455.0f}, {2, 730.0f}, {8, 60.0f}, {9, 1.7f}}},
    {10, 5, 0x250316, 0x141530, 1, 5, {{0, 0.57f}, {8, 50.0f}, {9, 1.2f}}},
    {11, 5, 0x250316, 0x142001, 1, 5, {{0, kInvalid}, {8, 50.0f}, {9, 1.2f}}},
    {14, 6, 0x250317, 0x073005, 1, 1, {{3, 15.2f}, {7, 0.35f}, {8, 50.0f}, {9, 3.3f}}},
    {15, 6, 0x250317, 0x074410, 1, 3, {{3, 2450.0f}, {7, 0.36f}, {8, 50.0f}, {9, 3.1f}}},
    {17, 7, 0x250318, 0x110000, 1, 0, {{4, 0.118f}, {5, 0.121f}, {7, 0.05f}, {8, 50.0f}, {9, 1.5f}}},
    {18, 7, 0x250318, 0x111111, 1, 0, {{4, kInvalid}, {5, 1.93f}, {7, 0.05f}, {8, 0.0f}, {9, 0.2f}}},
    {20, 8, 0x250318, 0x112233, 1, 0, {{4, 0.0213f}, {5, 0.0209f}, {8, 50.0f}, {9, 1.4f}}},
    {21, 9, 0x250319, 0x093000, 2, 1, {{6, 126.5f}, {8, 50.0f}, {9, 2.2f}}, 5},
    {22, 9, 0x250319, 0x094500, 2, 2, {{6, 3875.0f}, {8, 50.0f}, {9, 2.6f}}, 20},
    {23, 9, 0x250319, 0x100015, 2, 5, {{6, 58.3f}, {8, 50.0f}, {9, 2.0f}}, 120},
    {26, 10, 0x250320, 0x163000, 1, 0, {{10, 0.0345f}, {8, 50.0f}, {9, 1.8f}}},
    {27, 10, 0x250320, 0x164512, 1, 0, {{10, 12.6f}, {8, 50.0f}, {9, 1.9f}}},
    {31, 2, 0x250321, 0x080808, 2, 4, {{0, 150000.0f}, {1, 15000.0f}, {2, 22000.0f}, {8, 50.0f}, {9, 4.4f}}},
    {42, 4, 0x250322, 0x121500, 2, 5, {{0, 30500.0f}, {1, 5200.0f}, {2, 6100.0f}, {8, 50.0f}, {9, 2.7f}}},
    {57,
     1,
     0x250401,
     0x093015,
     2,
     1,
     {{0, 1.92f}, {1, 310.0f}, {2, 505.0f}, {7, 0.44f}, {8, 50.0f}, {9, 1.6f}}},
    {63, 6, 0x250402, 0x101010, 1, 2, {{3, kInvalid}, {7, 0.37f}, {8, 50.0f}, {9, 2.1f}}},
    {99, 9, 0x250405, 0x170000, 2, 3, {{6, kInvalid}, {8, 50.0f}, {9, 2.3f}}, 10},
};

MeasurementRecord RecordOf(const DemoResult& result) {
    MeasurementRecord record;
    record.mode = static_cast<std::uint32_t>(result.mode);
    record.year = (result.date >> 16) & 0xFF;
    record.month = (result.date >> 8) & 0xFF;
    record.day = result.date & 0xFF;
    record.hour = (result.time >> 16) & 0xFF;
    record.minute = (result.time >> 8) & 0xFF;
    record.second = result.time & 0xFF;
    record.voltageCode = static_cast<std::uint32_t>(result.voltageCode);
    record.frequencyCode = static_cast<std::uint32_t>(result.frequencyCode);
    for (const auto& [index, value] : result.values)
        record.values[static_cast<std::size_t>(index)] = value;
    record.integerValue = static_cast<std::uint32_t>(result.integerValue);
    record.validMark = static_cast<char>(RecordPacket::kValidMark);
    return record;
}

void PutMarkers(std::span<std::uint8_t, RecordPacket::kSize> packet) {
    packet[0] = 'O';
    packet[1] = 'K';
    packet[RecordPacket::kTailMarkerOffset] = 'O';
    packet[RecordPacket::kTailMarkerOffset + 1] = 'K';
}

}  // namespace

record::ReadOutBuffer DemoImage() {
    record::ReadOutBuffer image{};
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        auto packet = record::PacketOf(image, slot);
        packet[RecordPacket::kValidMarkOffset] = 0xFF;
        PutMarkers(packet);
    }
    for (const auto& result : kResults) {
        auto packet = record::PacketOf(image, static_cast<std::size_t>(result.slot));
        RecordOf(result).ToPacket(packet);
        packet[RecordPacket::kValidMarkOffset] = RecordPacket::kValidMark;
    }
    return image;
}

}  // namespace terrovane::sim
