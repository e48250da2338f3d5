#include "Numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace terrovane::numbers {

namespace {

// Room for any fixed-notation double: 309 integer digits, sign, point, the decimals.
std::size_t RoomFor(int decimals) {
    return 330 + static_cast<std::size_t>(decimals);
}

template <typename... Format>
std::string Converted(std::size_t room, double v, Format... format) {
    std::string text(room, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), v, format...);
    text.resize(result.ec == std::errc{} ? static_cast<std::size_t>(result.ptr - text.data()) : 0);
    return text;
}

// Strips one leading '+', as the to/from_chars functions take only '-'; "+-1" stays refused.
std::string_view StripPlus(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return {};
    }
    return text;
}

}  // namespace

std::string Shortest(double v) {
    return Converted(64, v);
}

std::string Shortest(float v) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, v);
    return std::string(text, result.ptr);
}

std::string Fixed(double v, int decimals) {
    if (decimals < 0)
        decimals = 6;
    return Converted(RoomFor(decimals), v, std::chars_format::fixed, decimals);
}

std::string Fixed(double v, int decimals, int width) {
    std::string text = Fixed(v, decimals);
    if (width > 0 && text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string FixedSigned(double v, int decimals) {
    std::string text = Fixed(v, decimals);
    if (!std::signbit(v))
        text.insert(0, 1, '+');
    return text;
}

std::string General(double v, int significant) {
    if (significant < 0)
        significant = 6;
    if (significant == 0)
        significant = 1;
    return Converted(RoomFor(significant), v, std::chars_format::general, significant);
}

std::optional<double> ParseDecimal(std::string_view text) {
    text = StripPlus(text);
    const std::size_t digitsAt = !text.empty() && text.front() == '-' ? 1 : 0;
    // Only a digit or a point may start the number: this keeps out "inf", "nan" and a second sign.
    if (text.size() <= digitsAt ||
        !(std::isdigit(static_cast<unsigned char>(text[digitsAt])) || text[digitsAt] == '.'))
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string_view detail::WithoutPlus(std::string_view text) {
    return StripPlus(text);
}

}  // namespace terrovane::numbers
