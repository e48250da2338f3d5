#include "ByteCompare.h"

#include <algorithm>
#include <cstdio>

namespace terrovane::testing {

::testing::AssertionResult BytesEqual(std::span<const std::uint8_t> expected,
                                      std::span<const std::uint8_t> actual) {
    const std::size_t common = std::min(expected.size(), actual.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (expected[i] != actual[i]) {
            char detail[96];
            std::snprintf(detail, sizeof detail,
                          "first difference at offset %zu (0x%zX): expected 0x%02X, got 0x%02X", i, i,
                          expected[i], actual[i]);
            return ::testing::AssertionFailure() << detail;
        }
    }
    if (expected.size() != actual.size()) {
        return ::testing::AssertionFailure() << "sizes differ: expected " << expected.size() << " bytes, got "
                                             << actual.size() << " (first " << common << " agree)";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace terrovane::testing
