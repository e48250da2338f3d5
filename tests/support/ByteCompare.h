#pragma once

#include <cstdint>
#include <span>

#include <gtest/gtest.h>

namespace terrovane::testing {

// Compares two byte sequences and, when they differ, names the first differing offset and both bytes.
::testing::AssertionResult BytesEqual(std::span<const std::uint8_t> expected,
                                      std::span<const std::uint8_t> actual);

}  // namespace terrovane::testing
