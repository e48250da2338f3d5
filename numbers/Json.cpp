#include "Json.h"

#include <cmath>
#include <cstdint>

#include "Numbers.h"

namespace terrovane::numbers {
namespace {

// Whole numbers beyond this are written as reals: 1e15 and above, %g and its kin use an exponent anyway.
constexpr double kLargestWhole = 1e15;

double Rounded(double value, int significant) {
    if (significant > 0) {
        return ParseDecimal(General(value, significant)).value_or(value);
    }
    const auto single = static_cast<float>(value);
    return static_cast<double>(single) == value ? ParseDecimal(Shortest(single)).value_or(value) : value;
}

}  // namespace

Json JsonNumber(double value, int significant) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    const double rounded = Rounded(value, significant);
    if (rounded == std::trunc(rounded) && std::fabs(rounded) < kLargestWhole) {
        return static_cast<std::int64_t>(rounded);
    }
    return rounded;
}

std::string JsonText(const Json& document) {
    return document.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string JsonLines(const Json& array) {
    std::string text = "[";
    for (std::size_t i = 0; i < array.size(); ++i) {
        text += (i == 0 ? "\n" : ",\n") + JsonText(array[i]);
    }
    return text + (array.empty() ? "]\n" : "\n]\n");
}

}  // namespace terrovane::numbers
