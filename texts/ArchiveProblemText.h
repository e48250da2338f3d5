#pragma once

#include <QString>

#include <string>

namespace terrovane::texts {

// An error the archive reported, in the running language: a problem of the archive's own (a site without a
// name, a name taken, something named that is not there) translated and filled with its arguments; the
// database's or the system's own words as they came.
QString ArchiveProblemText(const std::string& error);

}  // namespace terrovane::texts
