#pragma once

#include <cstdint>
#include <string>

#include "PanelPage.h"

namespace terrovane::panel {

// What a screen reader says for the display as drawn: the quantity its pictures name, the reading of its
// large digits with the unit shown, the mode and the slot, e.g. "RE 4.87 ohm, 3-pole, slot 00". A page
// without a reading leaves out its part; a blank display says nothing.
std::string SpokenDisplay(const PanelView& view, std::uint32_t mode);

// The mode as spoken, made from its workbook name: "3-pole", "4-pole clamp", "2-pole AC", "resistivity".
std::string SpokenModeName(std::uint32_t mode);

}  // namespace terrovane::panel
