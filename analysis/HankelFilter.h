#pragma once

#include <array>
#include <cstddef>

namespace terrovane::analysis {

inline constexpr std::size_t kHankelPoints = 120;

// A published digital linear filter for the zero-order Hankel transform:
//   integral over 0..inf of f(lambda) J0(lambda r) d lambda  ~=  (1/r) sum_i f(b_i / r) w_i
// with b_i the abscissae and w_i the weights below.
const std::array<double, kHankelPoints>& HankelAbscissae();
const std::array<double, kHankelPoints>& HankelWeights();

// The transform above for one r > 0.
template <typename Kernel>
double HankelJ0(const Kernel& kernel, double r) {
    const auto& b = HankelAbscissae();
    const auto& w = HankelWeights();
    double sum = 0.0;
    for (std::size_t i = 0; i < kHankelPoints; ++i)
        sum += kernel(b[i] / r) * w[i];
    return sum / r;
}

}  // namespace terrovane::analysis
