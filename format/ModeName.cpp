#include "ModeName.h"

#include <array>

namespace terrovane::format {

std::string ModeName(std::uint32_t mode) {
    static constexpr std::array<const char*, 10> kNames = {
        "3Pole",    "4Pole", "3Pole Clamp", "4Pole Clamp", "2clamp", "2Pole AC", "2Pole DC", "4Pole DC",
        "\xCF\x81",  // Greek small rho: resistivity
        "Iac",
    };
    if (mode < 1 || mode > kNames.size())
        return "  ";
    return kNames[mode - 1];
}

}  // namespace terrovane::format
