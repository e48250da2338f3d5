#pragma once

#include <gtest/gtest.h>

#include <utility>

#include "Result.h"

namespace terrovane::testing {

// Passes when the archive's call succeeded; otherwise fails saying its failure, so a step of a test's
// setup that goes wrong says why.
template <typename T>
::testing::AssertionResult Succeeded(const archive::Result<T>& result) {
    if (result) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << result.Error().Text();
}

// The same, handing the value over to `out` when there is one.
template <typename T>
::testing::AssertionResult Into(archive::Result<T> result, T& out) {
    if (!result) {
        return ::testing::AssertionFailure() << result.Error().Text();
    }
    out = std::move(result).Value();
    return ::testing::AssertionSuccess();
}

}  // namespace terrovane::testing
