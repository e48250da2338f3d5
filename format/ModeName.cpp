#include "ModeName.h"

#include "Mode.h"

namespace terrovane::format {

std::string ModeName(std::uint32_t code) {
    using record::Mode;
    switch (record::ModeOf(code)) {
        case Mode::ThreePole:
            return "3Pole";
        case Mode::FourPole:
            return "4Pole";
        case Mode::ThreePoleClamp:
            return "3Pole Clamp";
        case Mode::FourPoleClamp:
            return "4Pole Clamp";
        case Mode::TwoClamp:
            return "2clamp";
        case Mode::TwoPoleAc:
            return "2Pole AC";
        case Mode::TwoPoleDc:
            return "2Pole DC";
        case Mode::FourPoleDc:
            return "4Pole DC";
        case Mode::Resistivity:
            return "\xCF\x81";  // Greek small rho
        case Mode::AcCurrent:
            return "Iac";
        case Mode::Unknown:
            break;
    }
    return "  ";
}

}  // namespace terrovane::format
