#pragma once

#include <cstdint>

namespace terrovane::xls {

// The compact 32-bit number form of cell records: bit 0 = divided by 100, bit 1 = integer, the rest the
// integer or the high 30 bits of an IEEE double.
constexpr std::uint32_t kRkDivideBit = 1;
constexpr std::uint32_t kRkIntegerBit = 2;

// Integers within the 30-bit signed range fit; larger ones would lose their high bits.
bool IntegerFitsRk(std::int32_t value);
std::uint32_t IntegerRk(std::int32_t value);

// True when x has no non-zero digit after the second decimal and its RK form gives x back exactly.
bool DoubleFitsRk(double x);
std::uint32_t DoubleRk(double x);

// The value an RK stands for; `isInteger` tells which kind of cell it becomes when loaded.
double RkToDouble(std::uint32_t rk);
bool RkIsInteger(std::uint32_t rk);
std::int32_t RkToInteger(std::uint32_t rk);

}  // namespace terrovane::xls
