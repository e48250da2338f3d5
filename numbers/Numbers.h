#pragma once

#include <charconv>
#include <concepts>
#include <optional>
#include <string>
#include <string_view>

// Numbers written and read with a decimal point whatever the process's locale: the bytes are the ones
// printf writes in the C locale, and nothing here reads LC_NUMERIC.
namespace terrovane::numbers {

// The shortest decimal that reads back as exactly this value, fixed or with an exponent, whichever is
// shorter ("0.1", "1e+20", "-0"); "inf", "-inf", "nan" for the values that are no number.
std::string Shortest(double v);
// The shortest decimal that reads back as this float (4.87f gives "4.87", not its double's digits).
std::string Shortest(float v);

// What "%.*f" writes in the C locale: rounded to nearest (ties by the exact binary value, as printf
// does), "-0.00" for small negatives, "inf"/"nan" as printf spells them. Negative decimals mean 6.
std::string Fixed(double v, int decimals);
// What "%*.*f" writes: Fixed, then spaces on the left up to width characters.
std::string Fixed(double v, int decimals, int width);
// What "%+.*f" writes: Fixed with a "+" before anything that is not negative.
std::string FixedSigned(double v, int decimals);
// What "%.*g" writes: significant digits, exponent when printf would use one, no trailing zeros.
// Negative digits mean 6; 0 means 1.
std::string General(double v, int significant = 6);

// The whole text as a decimal number: optional sign, digits with an optional decimal point, optional
// exponent ("-1.5e3", "+.5", "7."). No spaces, no comma, no locale, no hexadecimal, no inf or nan, nothing
// after the number; a value beyond the range of double is refused too.
std::optional<double> ParseDecimal(std::string_view text);
// The whole text as an integer of type Integer in `base`: an optional sign and digits only, nothing
// before or after; a value out of Integer's range is refused, as is a '-' before an unsigned type. Every
// integer read from text (a file, an argument, the system, a server) is read here.
template <std::integral Integer = long long>
std::optional<Integer> ParseInteger(std::string_view text, int base = 10);

namespace detail {
// The text without one leading '+', which the from_chars functions do not take; "+-1" gives "".
std::string_view WithoutPlus(std::string_view text);
}  // namespace detail

template <std::integral Integer>
std::optional<Integer> ParseInteger(std::string_view text, int base) {
    text = detail::WithoutPlus(text);
    Integer value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace terrovane::numbers
