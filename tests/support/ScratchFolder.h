#pragma once

#include <filesystem>

namespace terrovane::testing {

// A folder of this test process alone, made on first use in the temporary folder (TMPDIR or /tmp) and
// removed with everything in it when the process ends. Tests that run side by side, or a second run
// of the same suite, never meet in it.
const std::filesystem::path& ScratchFolder();

}  // namespace terrovane::testing
