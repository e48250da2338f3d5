#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace terrovane::archive {

// What a value typed by hand measures; each is stored in its base unit (ohm, ohm-metre, ampere).
enum class TypedQuantity { Resistance, Resistivity, Current };

// "resistance", "resistivity", "current": the words the files and the command line use.
const char* TypedQuantityWord(TypedQuantity quantity);

// A method a typed result may have been measured with: the instrument's own and those of other testers.
// The main value is the one a point is judged and trended by; a result must carry it.
struct TypedMethod {
    const char* code;                 // "3-pole", "fall-of-potential", ...: stored and typed as it is
    const char* mainValue;            // "Re", "Rac", "R", "rho" or "I"
    std::vector<const char*> values;  // every value name it takes, the main one first
    bool earthResistance;             // its main value is an earth resistance, judged against the limit
};

// Every method, the instrument's first, in the order the command line and the window offer them.
const std::vector<TypedMethod>& TypedMethods();
const TypedMethod* FindTypedMethod(std::string_view code);

// The quantity of a value name ("Re" is a resistance, "rho" a resistivity); nullopt for a name no
// method takes.
std::optional<TypedQuantity> QuantityOfValue(std::string_view name);

}  // namespace terrovane::archive
