#pragma once

#include <string>

#include "FirmProfile.h"
#include "Result.h"

namespace terrovane::attach {

// A firm's logo checked whole: a PNG image that decodes, or an SVG drawing whose XML is well formed and
// whose outermost element is <svg>; at most archive::kMostLogoBytes. Refused with a problem text
// (FirmProblems.h) otherwise.
archive::Status CheckLogo(const std::string& bytes);
// The file at `path` read (its size known before it is read) and checked; `firm` takes its bytes and type.
archive::Status ReadLogo(const std::string& path, archive::FirmProfile& firm);

}  // namespace terrovane::attach
