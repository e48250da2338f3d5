#include <bit>
#include <cstring>

#include <gtest/gtest.h>

#include "RecordTable.h"

namespace terrovane::record {
namespace {

void MarkOccupied(ReadOutBuffer& buffer, std::size_t slot) {
    auto packet = PacketOf(buffer, slot);
    packet[0] = 'O';
    packet[1] = 'K';
    packet[RecordPacket::kValidMarkOffset] = 'U';
    packet[68] = 'O';
    packet[69] = 'K';
}

TEST(BcdToInt, DecodesNibblesIncludingInvalidOnes) {
    EXPECT_EQ(BcdToInt(0x59), 59);
    EXPECT_EQ(BcdToInt(0x1A), 20);
    EXPECT_EQ(BcdToInt(0x00), 0);
    EXPECT_EQ(BcdToInt(0x1234), 34);  // only the low 8 bits count
}

TEST(MeasurementRecord, DecodesEveryFieldLittleEndianAndFloatsBitForBit) {
    ReadOutBuffer buffer{};
    auto p = PacketOf(buffer, 0);
    const std::uint8_t head[] = {'O', 'K', 9, 9, 7, 0xAB, 0x09, 0x03, 0x07, 0x14, 0x05, 0x30, 2, 5};
    std::memcpy(p.data(), head, sizeof head);
    const std::uint32_t nanBits = 0x7FC01234u;  // a payload-carrying NaN must survive
    const float values[11] = {
        1.5f, -1.0f, 2999.9f, 0, 0, 0, 0, 0, 50.0f, 0.5f, std::bit_cast<float>(nanBits)};
    for (int i = 0; i < 11; ++i) {
        const auto bits = std::bit_cast<std::uint32_t>(values[i]);
        for (int b = 0; b < 4; ++b)
            p[14 + 4 * i + b] = std::uint8_t(bits >> (8 * b));
    }
    p[58] = 0x96;  // 150 + 256 * 1 = 406
    p[59] = 0x01;
    p[67] = 'U';

    const auto r = MeasurementRecord::FromPacket(p);
    EXPECT_EQ(r.mode, 7u);
    EXPECT_EQ(r.reservedByte, 0xABu);
    EXPECT_EQ(r.year, 0x09u);
    EXPECT_EQ(r.hour, 0x14u);
    EXPECT_EQ(r.voltageCode, 2u);
    EXPECT_EQ(r.frequencyCode, 5u);
    EXPECT_EQ(r.values[0], 1.5f);
    EXPECT_EQ(r.values[2], 2999.9f);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(r.values[10]), nanBits);
    EXPECT_EQ(r.integerValue, 406u);
    EXPECT_EQ(r.validMark, 'U');

    ReadOutBuffer copy{};
    r.ToPacket(PacketOf(copy, 0));
    EXPECT_EQ(0, std::memcmp(copy.data() + 4, buffer.data() + 4, 64));
}

TEST(ParseRecords, OnlyPacketsMarkedUBecomeRecordsInTheirOwnSlot) {
    ReadOutBuffer buffer{};
    MarkOccupied(buffer, 57);
    RecordTable table;
    ParseRecords(buffer, table);
    EXPECT_EQ(table.OccupiedCount(), 1);
    ASSERT_TRUE(table.IsOccupied(57));
    EXPECT_EQ(table.FirstOccupied(), 57u);
    EXPECT_EQ(table.At(57)->mode, 0u);
    EXPECT_FALSE(table.IsOccupied(56));
}

TEST(ParseRecords, ASecondImageEmptiesSlotsNoLongerOccupied) {
    ReadOutBuffer first{};
    MarkOccupied(first, 3);
    MarkOccupied(first, 4);
    RecordTable table;
    ParseRecords(first, table);
    ReadOutBuffer second{};
    MarkOccupied(second, 4);
    ParseRecords(second, table);
    EXPECT_FALSE(table.IsOccupied(3));
    EXPECT_TRUE(table.IsOccupied(4));
    ParseRecords(ReadOutBuffer{}, table);
    EXPECT_EQ(table.OccupiedCount(), 0);
    EXPECT_FALSE(table.FirstOccupied().has_value());
    EXPECT_EQ(RecordMode(table.At(4)), 0u);
    EXPECT_EQ(RecordYear(nullptr), 0);
}

TEST(RecordPacket, MarkerCheckNeedsBothEnds) {
    ReadOutBuffer buffer{};
    MarkOccupied(buffer, 0);
    EXPECT_TRUE(HasMarkers(PacketOf(buffer, 0)));
    PacketOf(buffer, 0)[69] = 'k';
    EXPECT_FALSE(HasMarkers(PacketOf(buffer, 0)));
}

}  // namespace
}  // namespace terrovane::record
