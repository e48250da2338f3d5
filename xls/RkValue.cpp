#include "RkValue.h"

#include <bit>
#include <cmath>

namespace terrovane::xls {
namespace {

constexpr double kInt32Limit = 2147483648.0;

bool TruncatesToInt32(double value) {
    return std::isfinite(value) && std::fabs(value) < kInt32Limit;
}

std::uint32_t HighBits(double value) {
    return static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(value) >> 32);
}

}  // namespace

bool IntegerFitsRk(std::int32_t value) {
    return value >= -536870912 && value <= 536870911;
}

std::uint32_t IntegerRk(std::int32_t value) {
    return (static_cast<std::uint32_t>(value) << 2) | kRkIntegerBit;
}

bool DoubleFitsRk(double x) {
    if (!TruncatesToInt32(x * 10000.0)) {
        return false;
    }
    const auto hundredths = static_cast<std::int64_t>(static_cast<std::int32_t>(x * 100.0));
    const auto tenThousandths = static_cast<std::int64_t>(static_cast<std::int32_t>(x * 10000.0));
    // Values whose IEEE form has bits below the kept 30 would come back changed: those stay NUMBER.
    return hundredths * 100 == tenThousandths && RkToDouble(DoubleRk(x)) == x;
}

std::uint32_t DoubleRk(double x) {
    const bool whole =
        TruncatesToInt32(x * 100.0) && static_cast<std::int64_t>(static_cast<std::int32_t>(x)) * 100 ==
                                           static_cast<std::int64_t>(static_cast<std::int32_t>(x * 100.0));
    if (whole) {
        return HighBits(x) & ~std::uint32_t{3};
    }
    return (HighBits(x * 100.0) & ~std::uint32_t{3}) | kRkDivideBit;
}

bool RkIsInteger(std::uint32_t rk) {
    return (rk & kRkIntegerBit) != 0;
}

std::int32_t RkToInteger(std::uint32_t rk) {
    const std::int32_t value = static_cast<std::int32_t>(rk) >> 2;
    return (rk & kRkDivideBit) ? value / 100 : value;
}

double RkToDouble(std::uint32_t rk) {
    double value;
    if (RkIsInteger(rk)) {
        value = static_cast<std::int32_t>(rk) >> 2;
    } else {
        value = std::bit_cast<double>(static_cast<std::uint64_t>(rk & ~std::uint32_t{3}) << 32);
    }
    return (rk & kRkDivideBit) ? value / 100.0 : value;
}

}  // namespace terrovane::xls
