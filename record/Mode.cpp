#include "Mode.h"

#include <array>

#include "MeasurementRecord.h"

namespace terrovane::record {
namespace {

// Indexed by the instrument's code; code 0 is an empty slot.
constexpr std::array<Mode, 11> kModeOfCode = {
    Mode::Unknown,       Mode::ThreePole,   Mode::FourPole,  Mode::ThreePoleClamp,
    Mode::FourPoleClamp, Mode::TwoClamp,    Mode::TwoPoleAc, Mode::TwoPoleDc,
    Mode::FourPoleDc,    Mode::Resistivity, Mode::AcCurrent,
};

}  // namespace

Mode ModeOf(std::uint32_t code) {
    return code < kModeOfCode.size() ? kModeOfCode[code] : Mode::Unknown;
}

Mode ModeOf(const MeasurementRecord& record) {
    return ModeOf(record.mode);
}

std::uint32_t CodeOf(Mode mode) {
    for (std::uint32_t code = 0; code < kModeOfCode.size(); ++code) {
        if (kModeOfCode[code] == mode)
            return code;
    }
    return 0;
}

bool MeasuresEarthResistance(Mode mode) {
    switch (mode) {
        case Mode::ThreePole:
        case Mode::FourPole:
        case Mode::ThreePoleClamp:
        case Mode::FourPoleClamp:
        case Mode::TwoClamp:
            return true;
        default:
            return false;
    }
}

bool IsStakeMethod(Mode mode) {
    return mode == Mode::ThreePole || mode == Mode::FourPole;
}

}  // namespace terrovane::record
