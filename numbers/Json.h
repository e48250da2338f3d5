#pragma once

#include <nlohmann/json.hpp>

#include <string>

// The one JSON library of the programs outside Qt, and the one way a number goes into a JSON document.
namespace terrovane::numbers {

// A JSON document whose members stay in the order they were added: outputs read as their schemas list them.
using Json = nlohmann::ordered_json;

// A number for a JSON document: null when it is none (inf, nan); a whole number as an integer ("300000",
// not "300000.0"); else rounded to `significant` digits, or with 0 the shortest decimal that reads back as
// the value (as a single-precision value when it is one: what the instrument stored, not the digits its
// widening to double adds). The document prints it in the fewest digits that read back as it.
Json JsonNumber(double value, int significant = 0);

// The document as text: compact (no spaces), members in their order, any text that is not UTF-8 mended
// with U+FFFD rather than refused.
std::string JsonText(const Json& document);

// An array as the listings print it: one element per line ("[\n{...},\n{...}\n]\n"; "[]\n" when empty),
// for a person to read and a program to parse.
std::string JsonLines(const Json& array);

}  // namespace terrovane::numbers
