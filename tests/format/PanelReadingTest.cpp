#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "PanelReading.h"
#include "RecordBuilder.h"

namespace terrovane::format {
namespace {

using testing::MakeRecord;
constexpr auto kNone = PanelUnit::None;
constexpr auto kOhm = PanelUnit::Ohm;
constexpr auto kKilo = PanelUnit::KiloOhm;

struct Row {
    std::uint32_t mode;
    float value;
    std::optional<std::string> digits;
    PanelUnit unit;
    bool overRange = false;
    bool dashes = false;
};

void ExpectRows(Quantity quantity, record::ValueIndex index, std::initializer_list<Row> rows) {
    for (const auto& row : rows) {
        const auto r = MakeRecord(row.mode, index, row.value);
        const PanelReading reading = FormatPanelReading(quantity, &r);
        SCOPED_TRACE(::testing::Message() << "mode " << row.mode << " value " << row.value);
        EXPECT_TRUE(reading.drawn);
        EXPECT_EQ(reading.digits, row.digits);
        EXPECT_EQ(reading.unit, row.unit);
        EXPECT_EQ(reading.overRange, row.overRange);
        EXPECT_EQ(reading.dashes, row.dashes);
    }
}

TEST(PanelReading, EarthResistanceStakeModesCapAt300Kilo) {
    for (std::uint32_t mode : {1u, 2u}) {
        ExpectRows(Quantity::Re, record::kRe,
                   {{mode, -5, std::nullopt, kNone, false, true},
                    {mode, 0, "0.000", kOhm},
                    {mode, 2.999f, "2.999", kOhm},
                    {mode, 3, "3.00", kOhm},
                    {mode, 29.99f, "29.99", kOhm},
                    {mode, 30, "30.0", kOhm},
                    {mode, 299.9f, "299.9", kOhm},
                    {mode, 300, " 300", kOhm},
                    {mode, 500, " 500", kOhm},
                    {mode, 2999.9f, "3000", kOhm},
                    {mode, 3000, "3.00", kKilo},
                    {mode, 25000, "25.00", kKilo},
                    {mode, 29999, "30.00", kKilo},
                    {mode, 30000, "30.0", kKilo},
                    {mode, 300000, "300.0", kKilo},
                    {mode, 300001, "300.0", kKilo, true},
                    {mode, 400000, "300.0", kKilo, true}});
    }
}

TEST(PanelReading, EarthResistanceClampModesCapAt20Kilo) {
    for (std::uint32_t mode : {3u, 4u}) {
        ExpectRows(Quantity::Re, record::kRe,
                   {{mode, -5, std::nullopt, kNone, false, true},
                    {mode, 2999.9f, "3000", kOhm},
                    {mode, 3000, "3.00", kKilo},
                    {mode, 20000, "20.00", kKilo},
                    {mode, 20001, "20.00", kKilo, true},
                    {mode, 25000, "20.00", kKilo, true},
                    {mode, 30000, "20.00", kKilo, true},
                    {mode, 300000, "20.00", kKilo, true},
                    {mode, 400000, "20.00", kKilo, true}});
    }
}

TEST(PanelReading, EarthResistanceWithoutTestVoltageDrawsNothing) {
    auto r = MakeRecord(1, record::kRe, 12.5f);
    r.voltageCode = 0;
    EXPECT_FALSE(FormatPanelReading(Quantity::Re, &r).drawn);
    auto invalid = MakeRecord(3, record::kRe, -1);
    invalid.voltageCode = 7;
    EXPECT_FALSE(FormatPanelReading(Quantity::Re, &invalid).drawn);
}

TEST(PanelReading, TwoClampShowsUpTo150Inclusive) {
    ExpectRows(Quantity::Re, record::kRe,
               {{5, -5, "", kOhm},
                {5, 2.999f, "2.999", kOhm},
                {5, 3, "3.00", kOhm},
                {5, 29.99f, "29.99", kOhm},
                {5, 30, "30.0", kOhm},
                {5, 99.9f, "99.9", kOhm},
                {5, 100, "100", kOhm},
                {5, 150, "150", kOhm},
                {5, 150.5f, ">150", kOhm, true}});
}

TEST(PanelReading, AcResistanceAndResistivityBands) {
    ExpectRows(Quantity::Rac, record::kRac,
               {{6, -5, "", kNone},
                {6, 0, "0.000", kOhm},
                {6, 2.999f, "2.999", kOhm},
                {6, 3, "3.00", kOhm},
                {6, 30, "30.0", kOhm},
                {6, 300, "300", kOhm},
                {6, 2999, "2999", kOhm},
                {6, 3000, "3.00", kKilo},
                {6, 30000, "30.0", kKilo},
                {6, 299999, "300.0", kKilo},
                {6, 300000, "300", kKilo, true}});
    ExpectRows(Quantity::Resistivity, record::kResistivity,
               {{9, -5, "", kNone},
                {9, 2999, "2999", kOhm},
                {9, 3000, "3.00", kKilo},
                {9, 300000, "300.0", kKilo},
                {9, 999000, "999.0", kKilo},
                {9, 1000000, "999.9", kKilo, true},
                {9, 5e6f, "999.9", kKilo, true}});
}

TEST(PanelReading, DcResistanceTestsStrictlyFromTheTop) {
    for (auto [quantity, index] :
         {std::pair{Quantity::R1, record::kR1}, std::pair{Quantity::R2, record::kR2}}) {
        ExpectRows(quantity, index,
                   {{7, 3001, "3000", kOhm, true},
                    {7, 3000, "3000", kOhm},
                    {8, 300, "300", kOhm},
                    {8, 299.9f, "299.9", kOhm},  // the stored float lies just below 299.9
                    {7, 30.01f, "30.0", kOhm},
                    {7, 30, "30.00", kOhm},
                    {7, 3.01f, "3.01", kOhm},
                    {7, 3, "3.000", kOhm},
                    {7, 0, "0.000", kOhm},
                    {8, -5, std::nullopt, kOhm, false, true}});
    }
}

TEST(PanelReading, LoopResistanceCurrentAndJamming) {
    ExpectRows(
        Quantity::Rk, record::kRk,
        {{1, 0, "0.000", kOhm}, {3, 0.04f, "0.0", kOhm}, {6, 12.34f, "12.3", kOhm}, {7, -5, "", kOhm}});
    ExpectRows(Quantity::Iac, record::kIac,
               {{10, -5, std::nullopt, kNone, false, true},
                {10, 0, "0.0", kNone},
                {10, 2.1f, "2.1", kNone},
                {10, 2.3f, "2.2", kNone, true}});
    ExpectRows(Quantity::JammingVoltage, record::kJammingVoltage,
               {{1, 0.5f, std::nullopt, kNone, false, true},
                {1, 1, "1.0", kNone},
                {4, 50, "50.0", kNone},
                {9, 50.1f, "50.0", kNone, true}});
    ExpectRows(Quantity::JammingFrequency, record::kJammingFrequency,
               {{1, -5, std::nullopt, kNone},
                {2, 0, "0.0", kNone},
                {10, 999.8f, "999.8", kNone},
                {7, 1000, "999.9", kNone, true}});
}

TEST(PanelReading, TestVoltageAndFrequencyLabels) {
    auto r = MakeRecord(1);
    EXPECT_EQ(FormatPanelReading(Quantity::TestVoltage, &r).digits, "20");
    r.voltageCode = 2;
    EXPECT_EQ(FormatPanelReading(Quantity::TestVoltage, &r).digits, "48");
    r.voltageCode = 0;
    EXPECT_TRUE(FormatPanelReading(Quantity::TestVoltage, &r).drawn);
    EXPECT_EQ(FormatPanelReading(Quantity::TestVoltage, &r).digits, std::nullopt);

    EXPECT_EQ(FormatPanelReading(Quantity::TestFrequency, &r).digits, "94");
    r.frequencyCode = 5;
    const auto automatic = FormatPanelReading(Quantity::TestFrequency, &r);
    EXPECT_TRUE(automatic.automaticFrequency);
    EXPECT_EQ(automatic.digits, std::nullopt);
    r.frequencyCode = 0;
    EXPECT_EQ(FormatPanelReading(Quantity::TestFrequency, &r).digits, std::nullopt);
    EXPECT_TRUE(FormatPanelReading(Quantity::TestFrequency, &r).drawn);
    for (std::uint32_t mode : {7u, 8u, 10u}) {
        r.mode = mode;
        EXPECT_FALSE(FormatPanelReading(Quantity::TestFrequency, &r).drawn) << mode;
    }
    EXPECT_FALSE(FormatPanelReading(Quantity::Re, nullptr).drawn);
}

TEST(PanelReading, SmallKiloFields) {
    EXPECT_FALSE(AuxReading(InvalidReading).shown);
    EXPECT_FALSE(AuxReading(NotApplicable).shown);
    const std::tuple<double, const char*, bool> rows[] = {{0, "0.0", false},        {1234, "1.2", false},
                                                          {100000, "100.0", false}, {100001, "100", false},
                                                          {300000, "300", false},   {300001, "300", true}};
    for (const auto& [ohms, text, over] : rows) {
        const auto field = AuxReading(ohms);
        EXPECT_TRUE(field.shown) << ohms;
        EXPECT_EQ(field.text, text) << ohms;
        EXPECT_EQ(field.overMark, over) << ohms;
    }
    EXPECT_EQ(DistanceReading(0).text, "");
    EXPECT_TRUE(DistanceReading(0).shown);
    EXPECT_EQ(DistanceReading(99).text, "99");
    EXPECT_FALSE(DistanceReading(99).overMark);
    EXPECT_EQ(DistanceReading(DistanceOver).text, "99");
    EXPECT_TRUE(DistanceReading(DistanceOver).overMark);
}

}  // namespace
}  // namespace terrovane::format
