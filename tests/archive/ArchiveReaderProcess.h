#pragma once

#include <string>
#include <vector>

namespace terrovane::archive::testing {

// The independent reader (Python's sqlite3), started once per test program and asked again for every read:
// a test that looks at the archive after each step would otherwise start an interpreter each time.
// Each answer is the reader's lines, one a statement, or the reader's reason in `error`.
bool AskArchiveReader(const std::string& path, const std::vector<std::string>& statements,
                      std::vector<std::string>& lines, std::string& error);

}  // namespace terrovane::archive::testing
