#pragma once

#include <QString>

#include <string>

#include "Result.h"

namespace terrovane::texts {

// An error the archive reported, in the running language: a problem of the archive's own (a site without a
// name, a name taken, something named that is not there) translated and filled with its arguments; the
// database's or the system's own words as they came.
QString ArchiveProblemText(const std::string& error);

// A failure in the running language: a refusal or a missing item in the words of its fixed text, translated
// and filled with its arguments (nothing is read back from a sentence); the library's own failures in the
// words it gave.
QString FailureText(const archive::Failure& failure);

}  // namespace terrovane::texts
