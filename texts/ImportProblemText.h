#pragma once

#include <QString>

#include <string>

namespace terrovane::texts {

// A problem of an import (the file, its mapping or a row) in the running language: the import's own texts
// and the archive's, which a row's values and point are judged by; any other text as it is.
QString ImportProblemText(const std::string& problem);

}  // namespace terrovane::texts
