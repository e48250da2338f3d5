#pragma once

#include <optional>
#include <string>

#include "Quantity.h"

namespace terrovane::format {

enum class PanelUnit { None, Ohm, KiloOhm };

// What the simulated display shows for one quantity in its large digits.
struct PanelReading {
    bool drawn = true;                  // false: the page shows nothing at all, not even its letters
    std::optional<std::string> digits;  // nullopt: the digit field stays hidden; "" shows it empty
    PanelUnit unit = PanelUnit::None;
    bool overRange = false;           // the ">" and LIMIT pictures
    bool dashes = false;              // the four dashes instead of a value
    bool automaticFrequency = false;  // the AFE picture instead of digits
};

PanelReading FormatPanelReading(Quantity quantity, const MeasurementRecord* record);

// One of the two small kilo-ohm fields (Rh left, Rs right, or the distance on the right).
struct SmallFieldReading {
    bool shown = false;
    std::string text;
    bool overMark = false;  // the field's own ">" picture
};

// Rh or Rs in kilo-ohms; hidden when the reading is invalid or not applicable.
SmallFieldReading AuxReading(double ohms);
// The measuring distance (Distance accessor result); shown even when empty.
SmallFieldReading DistanceReading(int distance);

}  // namespace terrovane::format
