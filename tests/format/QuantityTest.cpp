#include <algorithm>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "ModeName.h"
#include "Quantity.h"
#include "RecordBuilder.h"

namespace terrovane::format {
namespace {

using testing::MakeRecord;

TEST(ModeName, NamesEveryModeAndTwoSpacesOtherwise) {
    const char* expected[] = {"3Pole",    "4Pole",    "3Pole Clamp", "4Pole Clamp", "2clamp",
                              "2Pole AC", "2Pole DC", "4Pole DC",    "\xCF\x81",    "Iac"};
    for (std::uint32_t mode = 1; mode <= 10; ++mode)
        EXPECT_EQ(ModeName(mode), expected[mode - 1]) << mode;
    EXPECT_EQ(ModeName(0), "  ");
    EXPECT_EQ(ModeName(11), "  ");
    EXPECT_EQ(ModeName(0xFFFFFFFF), "  ");
}

TEST(QuantityAccessors, ReadingsBelongOnlyToTheirModes) {
    struct Row {
        Quantity quantity;
        record::ValueIndex index;
        std::vector<std::uint32_t> modes;
    };
    const Row rows[] = {
        {Quantity::Re, record::kRe, {1, 2, 3, 4, 5}},
        {Quantity::Rs, record::kRs, {1, 2, 3, 4}},
        {Quantity::Rh, record::kRh, {1, 2, 3, 4}},
        {Quantity::Rac, record::kRac, {6}},
        {Quantity::R1, record::kR1, {7, 8}},
        {Quantity::R2, record::kR2, {7, 8}},
        {Quantity::Resistivity, record::kResistivity, {9}},
        {Quantity::Rk, record::kRk, {1, 3, 6, 7}},
        {Quantity::Iac, record::kIac, {10}},
    };
    for (const auto& row : rows) {
        for (std::uint32_t mode = 0; mode <= 11; ++mode) {
            const auto r = MakeRecord(mode, row.index, 12.5f);
            const bool applies = std::find(row.modes.begin(), row.modes.end(), mode) != row.modes.end();
            EXPECT_EQ(QuantityValue(row.quantity, &r), applies ? 12.5 : NotApplicable)
                << "quantity " << int(row.quantity) << " mode " << mode;
        }
        EXPECT_EQ(QuantityValue(row.quantity, nullptr), NotApplicable);
    }
}

TEST(QuantityAccessors, NegativeAndNanReadingsAreInvalid) {
    const auto negative = MakeRecord(1, record::kRe, -0.001f);
    EXPECT_EQ(Re(&negative), InvalidReading);
    const auto nan = MakeRecord(1, record::kRe, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(Re(&nan), InvalidReading);
    const auto zero = MakeRecord(7, record::kR1, 0.0f);
    EXPECT_EQ(R1(&zero), 0.0);
}

TEST(QuantityAccessors, JammingReadingsApplyToEveryModeAndVoltageNeedsOneVolt) {
    for (std::uint32_t mode : {0u, 1u, 9u, 10u, 42u}) {
        auto r = MakeRecord(mode, record::kJammingFrequency, 0.0f);
        EXPECT_EQ(JammingFrequency(&r), 0.0);
        r.values[record::kJammingVoltage] = 0.999f;
        EXPECT_EQ(JammingVoltage(&r), InvalidReading);
        r.values[record::kJammingVoltage] = 1.0f;
        EXPECT_EQ(JammingVoltage(&r), 1.0);
        r.values[record::kJammingFrequency] = -2;
        EXPECT_EQ(JammingFrequency(&r), InvalidReading);
    }
    EXPECT_EQ(JammingVoltage(nullptr), NotApplicable);
    EXPECT_EQ(JammingFrequency(nullptr), NotApplicable);
}

TEST(QuantityAccessors, DistanceOnlyInResistivityModeAndCappedAt99) {
    auto r = MakeRecord(9);
    const std::pair<std::uint32_t, int> rows[] = {
        {0, 0}, {1, 1}, {99, 99}, {100, DistanceOver}, {150, DistanceOver}, {0xFFFFFFFF, DistanceOver}};
    for (const auto& [stored, expected] : rows) {
        r.integerValue = stored;
        EXPECT_EQ(Distance(&r), expected) << stored;
    }
    r.mode = 1;
    r.integerValue = 50;
    EXPECT_EQ(Distance(&r), 0);
    EXPECT_EQ(Distance(nullptr), 0);
}

TEST(QuantityAccessors, TestVoltageFromCodeExceptTwoPoleModes) {
    auto r = MakeRecord(1);
    const std::pair<std::uint32_t, int> codes[] = {{0, 0}, {1, 20}, {2, 48}, {3, 0}, {255, 0}};
    for (const auto& [code, volts] : codes) {
        r.voltageCode = code;
        EXPECT_EQ(TestVoltage(&r), volts) << code;
    }
    for (std::uint32_t mode : {6u, 7u, 8u}) {
        r.mode = mode;
        r.voltageCode = 2;
        EXPECT_EQ(TestVoltage(&r), 20) << mode;
    }
    EXPECT_EQ(TestVoltage(nullptr), 0);
}

TEST(QuantityAccessors, TestFrequencyFromCodeExceptDcAndCurrentModes) {
    auto r = MakeRecord(1);
    const std::pair<std::uint32_t, int> codes[] = {{0, 0},   {1, 94},  {2, 105}, {3, 111},
                                                   {4, 128}, {5, 500}, {6, 0}};
    for (const auto& [code, hertz] : codes) {
        r.frequencyCode = code;
        EXPECT_EQ(TestFrequency(&r), hertz) << code;
    }
    r.frequencyCode = 1;
    for (std::uint32_t mode : {7u, 8u, 10u}) {
        r.mode = mode;
        EXPECT_EQ(TestFrequency(&r), 0) << mode;
    }
    EXPECT_EQ(TestFrequency(nullptr), 0);
}

}  // namespace
}  // namespace terrovane::format
