#include <gtest/gtest.h>

#include "MeasurementRecord.h"
#include "Mode.h"

namespace terrovane::record {
namespace {

// The instrument's codes 1 to 10 are its ten methods, in the order of its selector; every other byte,
// including an empty slot's 0, is no method at all and must never be taken for one.
TEST(Mode, EachInstrumentCodeIsItsMethodAndEveryOtherByteIsUnknown) {
    const Mode expected[] = {Mode::ThreePole,   Mode::FourPole,  Mode::ThreePoleClamp, Mode::FourPoleClamp,
                             Mode::TwoClamp,    Mode::TwoPoleAc, Mode::TwoPoleDc,      Mode::FourPoleDc,
                             Mode::Resistivity, Mode::AcCurrent};
    for (std::uint32_t code = 1; code <= 10; ++code) {
        EXPECT_EQ(ModeOf(code), expected[code - 1]) << code;
        EXPECT_EQ(CodeOf(ModeOf(code)), code);
    }
    for (std::uint32_t code : {0u, 11u, 0x55u, 255u, 0x100u + 1u, 0xFFFFFFFFu})
        EXPECT_EQ(ModeOf(code), Mode::Unknown) << code;
    EXPECT_EQ(CodeOf(Mode::Unknown), 0u);

    MeasurementRecord record;
    record.mode = 9;
    EXPECT_EQ(ModeOf(record), Mode::Resistivity);
}

// The groups the analyses and the display lean on: a clamp method is earth resistance but no
// fall-of-potential traverse, and nothing outside the earth methods counts as either.
TEST(Mode, EarthAndStakeMethodsAreTheGroupsTheAnalysesTake) {
    for (std::uint32_t code = 0; code <= 11; ++code) {
        const Mode mode = ModeOf(code);
        EXPECT_EQ(MeasuresEarthResistance(mode), code >= 1 && code <= 5) << code;
        EXPECT_EQ(IsStakeMethod(mode), code == 1 || code == 2) << code;
    }
}

}  // namespace
}  // namespace terrovane::record
