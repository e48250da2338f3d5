#pragma once

#include <cstdint>
#include <optional>

namespace terrovane::record {

struct MeasurementRecord;

// What a stored result measured. The instrument sends it as a code byte; ModeOf is the one place that
// knows the codes, so every other layer names the mode instead of comparing numbers.
enum class Mode : std::uint8_t {
    Unknown,         // an empty slot, or a code the instrument never sends
    ThreePole,       // 3-pole earth resistance
    FourPole,        // 4-pole earth resistance
    ThreePoleClamp,  // 3-pole earth resistance with the clamp (selective)
    FourPoleClamp,   // 4-pole earth resistance with the clamp (selective)
    TwoClamp,        // stakeless: two clamps on the earth lead
    TwoPoleAc,       // 2-pole AC resistance
    TwoPoleDc,       // 2-pole DC resistance
    FourPoleDc,      // 4-pole DC resistance
    Resistivity,     // soil resistivity with its probe spacing
    AcCurrent,       // AC leakage current with the clamp
};

// The mode of an instrument code; anything outside the instrument's codes is Unknown.
Mode ModeOf(std::uint32_t code);
Mode ModeOf(const MeasurementRecord& record);
// The instrument's code of a mode (0 for Unknown), as stored in the record's mode byte and the archive.
std::uint32_t CodeOf(Mode mode);

// Earth resistance, with stakes, clamps or both: the modes the quantity Re belongs to.
bool MeasuresEarthResistance(Mode mode);
// The spike methods alone (no clamp): the modes whose readings follow the potential probe's position.
bool IsStakeMethod(Mode mode);

}  // namespace terrovane::record
