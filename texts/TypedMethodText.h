#pragma once

#include <QString>

#include <string>

namespace terrovane::texts {

// A typed result's method as a person reads it ("Fall of potential"); the code itself for one this program
// does not know. Files and the command line keep the code ("fall-of-potential").
QString TypedMethodText(const std::string& code);

}  // namespace terrovane::texts
