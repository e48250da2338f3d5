#include "TypedMethods.h"

#include <algorithm>
#include <utility>

namespace terrovane::archive {

const char* TypedQuantityWord(TypedQuantity quantity) {
    switch (quantity) {
        case TypedQuantity::Resistivity:
            return "resistivity";
        case TypedQuantity::Current:
            return "current";
        case TypedQuantity::Resistance:
            break;
    }
    return "resistance";
}

const std::vector<TypedMethod>& TypedMethods() {
    // Earth resistance with stakes reports the probes' resistances beside it; with clamps, the loop's.
    static const std::vector<TypedMethod> methods = {
        {"3-pole", "Re", {"Re", "Rs", "Rh"}, true},
        {"4-pole", "Re", {"Re", "Rs", "Rh"}, true},
        {"3-pole-clamp", "Re", {"Re", "Rs", "Rh", "Rk"}, true},
        {"4-pole-clamp", "Re", {"Re", "Rs", "Rh", "Rk"}, true},
        {"2-clamp", "Re", {"Re"}, true},
        {"2-pole-ac", "Rac", {"Rac"}, false},
        {"2-pole-dc", "R", {"R"}, false},
        {"4-pole-dc", "R", {"R"}, false},
        {"resistivity", "rho", {"rho"}, false},
        {"ac-current", "I", {"I"}, false},
        {"fall-of-potential", "Re", {"Re", "Rs", "Rh"}, true},
        {"slope", "Re", {"Re", "Rs", "Rh"}, true},
        {"clamp-on", "Re", {"Re"}, true},
        {"two-point", "Re", {"Re"}, true},
        {"star-delta", "Re", {"Re"}, true},
    };
    return methods;
}

const TypedMethod* FindTypedMethod(std::string_view code) {
    const auto& methods = TypedMethods();
    const auto found =
        std::find_if(methods.begin(), methods.end(), [&](const TypedMethod& m) { return code == m.code; });
    return found == methods.end() ? nullptr : &*found;
}

std::optional<TypedQuantity> QuantityOfValue(std::string_view name) {
    static const std::pair<const char*, TypedQuantity> kNames[] = {
        {"Re", TypedQuantity::Resistance},   {"Rs", TypedQuantity::Resistance},
        {"Rh", TypedQuantity::Resistance},   {"Rk", TypedQuantity::Resistance},
        {"Rac", TypedQuantity::Resistance},  {"R", TypedQuantity::Resistance},
        {"rho", TypedQuantity::Resistivity}, {"I", TypedQuantity::Current}};
    for (const auto& [known, quantity] : kNames) {
        if (name == known) {
            return quantity;
        }
    }
    return std::nullopt;
}

}  // namespace terrovane::archive
