// Values typed by hand: their units and how "NAME=VALUE[UNIT]" is read.
#include "TypedValue.h"

#include <cmath>

#include "Numbers.h"
#include "Problems.h"

namespace terrovane::archive {
namespace {

// The same unit written in other ways: the ohm sign for the letter omega, "ohm" for Ω, a full stop or
// nothing for the middle dot of Ω·m.
std::string Normalised(std::string_view spelling) {
    std::string text(spelling);
    const auto replaceAll = [&](std::string_view from, std::string_view to) {
        for (std::size_t at = text.find(from); at != std::string::npos;
             at = text.find(from, at + to.size())) {
            text.replace(at, from.size(), to);
        }
    };
    replaceAll("\u2126", "\u03a9");
    replaceAll("ohm", "\u03a9");
    replaceAll("\u03a9.m", "\u03a9\u00b7m");
    if (text.size() >= 3 && text.compare(text.size() - 3, 3, "\u03a9m") == 0) {
        text.replace(text.size() - 3, 3, "\u03a9\u00b7m");
    }
    return text;
}

const char* BaseSymbol(TypedQuantity quantity) {
    for (const TypedUnit& unit : TypedUnits()) {
        if (unit.quantity == quantity) {
            return unit.symbol;
        }
    }
    return "";
}

// "12.5k" as "12.5" and "k": the number ends where a character no decimal number has begins (an "e" or "E"
// followed by a digit or sign still belongs to it).
std::pair<std::string_view, std::string_view> SplitNumber(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size()) {
        const char c = text[end];
        const bool digit = c >= '0' && c <= '9';
        const bool sign =
            (c == '+' || c == '-') && (end == 0 || text[end - 1] == 'e' || text[end - 1] == 'E');
        const bool exponent =
            (c == 'e' || c == 'E') && end + 1 < text.size() &&
            ((text[end + 1] >= '0' && text[end + 1] <= '9') || text[end + 1] == '+' || text[end + 1] == '-');
        if (!digit && !sign && !exponent && c != '.') {
            break;
        }
        ++end;
    }
    return {text.substr(0, end), text.substr(end)};
}

TypedValueParse Refused(std::string problem) {
    return {std::nullopt, std::move(problem)};
}

}  // namespace

const std::vector<TypedUnit>& TypedUnits() {
    static const std::vector<TypedUnit> units = {
        {"\u03a9", TypedQuantity::Resistance, 1},
        {"k\u03a9", TypedQuantity::Resistance, 1e3},
        {"m\u03a9", TypedQuantity::Resistance, 1e-3},
        {"\u03a9\u00b7m", TypedQuantity::Resistivity, 1},
        {"k\u03a9\u00b7m", TypedQuantity::Resistivity, 1e3},
        {"A", TypedQuantity::Current, 1},
        {"mA", TypedQuantity::Current, 1e-3},
    };
    return units;
}

std::string UnitList(TypedQuantity quantity) {
    std::string list;
    for (const TypedUnit& unit : TypedUnits()) {
        if (unit.quantity == quantity) {
            list += (list.empty() ? "" : ", ") + std::string(unit.symbol);
        }
    }
    return list;
}

std::optional<TypedUnit> UnitFor(std::string_view spelling, TypedQuantity quantity) {
    const std::string base = BaseSymbol(quantity);
    std::string text = Normalised(spelling);
    if (text.empty() || text == "k" || text == "m") {
        text += base;  // a prefix alone, or nothing, is of the value's own base unit
    }
    for (const TypedUnit& unit : TypedUnits()) {
        if (unit.quantity == quantity && text == unit.symbol) {
            return unit;
        }
    }
    return std::nullopt;
}

TypedValueParse TypedValueOf(const std::string& name, std::string_view number, std::string_view unit,
                             bool overRange) {
    if (!QuantityOfValue(name)) {
        return Refused(Problem(kUnknownValueName, {name}));
    }
    const std::optional<double> parsed = numbers::ParseDecimal(number);
    if (!parsed || !std::isfinite(*parsed)) {
        return Refused(Problem(kValueNotANumber, {name, std::string(number)}));
    }
    return TypedValueOf(name, *parsed, unit, overRange);
}

TypedValueParse TypedValueOf(const std::string& name, double number, std::string_view unit, bool overRange) {
    const std::optional<TypedQuantity> quantity = QuantityOfValue(name);
    if (!quantity) {
        return Refused(Problem(kUnknownValueName, {name}));
    }
    if (!std::isfinite(number)) {
        return Refused(Problem(kValueNotANumber, {name, "?"}));
    }
    if (number < 0) {
        return Refused(Problem(kValueNegative, {name}));
    }
    const std::optional<TypedUnit> found = UnitFor(unit, *quantity);
    if (!found) {
        return Refused(Problem(kUnitNotOfValue, {std::string(unit), name, UnitList(*quantity)}));
    }
    return {TypedValue{name, number * found->factor, overRange}, {}};
}

TypedValueParse ParseTypedValue(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        return Refused(Problem(kValueNeedsName, {std::string(text)}));
    }
    const std::string name(text.substr(0, equals));
    std::string_view rest = text.substr(equals + 1);
    const bool overRange = !rest.empty() && rest.front() == '>';
    if (overRange) {
        rest.remove_prefix(1);
    }
    const auto [number, unit] = SplitNumber(rest);
    // A decimal comma or a second number is no unit: what was typed is no number at all.
    if (number.empty() ||
        (!unit.empty() && (unit.front() == ',' || (unit.front() >= '0' && unit.front() <= '9')))) {
        return Refused(Problem(kValueNotANumber, {name, std::string(rest)}));
    }
    return TypedValueOf(name, number, unit, overRange);
}

const char* BaseUnitWord(TypedQuantity quantity) {
    switch (quantity) {
        case TypedQuantity::Resistivity:
            return "ohm.m";
        case TypedQuantity::Current:
            return "A";
        case TypedQuantity::Resistance:
            break;
    }
    return "ohm";
}

std::string TypedValueText(const TypedValue& value) {
    const TypedQuantity quantity = QuantityOfValue(value.name).value_or(TypedQuantity::Resistance);
    // The largest unit in which the number is still 1 or more, else the smallest; 0 in the base unit.
    const TypedUnit* largest = nullptr;
    const TypedUnit* smallest = nullptr;
    for (const TypedUnit& unit : TypedUnits()) {
        if (unit.quantity != quantity) {
            continue;
        }
        if (smallest == nullptr || unit.factor < smallest->factor) {
            smallest = &unit;
        }
        const bool fits = value.number == 0 ? unit.factor == 1 : value.number >= unit.factor;
        if (fits && (largest == nullptr || unit.factor > largest->factor)) {
            largest = &unit;
        }
    }
    const TypedUnit* chosen = largest != nullptr ? largest : smallest;
    const double shown = chosen == nullptr ? value.number : value.number / chosen->factor;
    return value.name + (value.overRange ? ">" : "=") + numbers::General(shown, 6) + " " +
           (chosen == nullptr ? "" : chosen->symbol);
}

std::string TypedValuesText(const std::vector<TypedValue>& values) {
    std::string text;
    for (const TypedValue& value : values) {
        text += (text.empty() ? "" : "; ") + TypedValueText(value);
    }
    return text;
}

}  // namespace terrovane::archive
