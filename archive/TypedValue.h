#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TypedMethods.h"

namespace terrovane::archive {

// One value of a typed result, in the base unit of its quantity. A value over range is known only to lie
// above its bound: it is kept as that bound with the mark, never as a reading.
struct TypedValue {
    std::string name;  // "Re", "rho", ...
    double number = 0;
    bool overRange = false;

    bool operator==(const TypedValue&) const = default;
};

// A unit a value may be typed in, with what one of it is in the base unit.
struct TypedUnit {
    const char* symbol;  // "kΩ"
    TypedQuantity quantity;
    double factor;
};

// Ω, kΩ, mΩ, Ω·m, kΩ·m, A, mA: the base unit of each quantity first.
const std::vector<TypedUnit>& TypedUnits();
// The symbols of the quantity's units, "Ω, kΩ, mΩ", for messages.
std::string UnitList(TypedQuantity quantity);

// The unit a spelling names for a value of this quantity: its symbol, an ASCII spelling ("kohm",
// "ohm.m"), a prefix alone ("k" for kΩ of a resistance) or nothing for the base unit. nullopt when the
// spelling is no unit of that quantity.
std::optional<TypedUnit> UnitFor(std::string_view spelling, TypedQuantity quantity);

// A value as typed, "Re=12.5kΩ", "rho=85ohm.m" or "Re=>300k" (over range, bound 300 kΩ): the number with
// a decimal point whatever the locale. Without `value`, `problem` says what is wrong (a text of
// Problems.h with its arguments filled).
struct TypedValueParse {
    std::optional<TypedValue> value;
    std::string problem;
};
TypedValueParse ParseTypedValue(std::string_view text);

// A number with its unit: the number as typed (in that unit) checked and brought to the base unit. The
// window takes number and unit from separate fields; the command line splits "VALUE[UNIT]" first.
TypedValueParse TypedValueOf(const std::string& name, std::string_view number, std::string_view unit,
                             bool overRange);
// The same for a number a window's number box read.
TypedValueParse TypedValueOf(const std::string& name, double number, std::string_view unit, bool overRange);

// "Re=4.2 Ω", "Rh>300 kΩ", "I=20 mA": the value in the unit that keeps its number readable, with a decimal
// point (the outputs' form; the windows show numbers in the user's notation themselves).
std::string TypedValueText(const TypedValue& value);
// The values joined by "; ".
std::string TypedValuesText(const std::vector<TypedValue>& values);
// The base unit's ASCII spelling, as the files name it: "ohm", "ohm.m", "A".
const char* BaseUnitWord(TypedQuantity quantity);

}  // namespace terrovane::archive
