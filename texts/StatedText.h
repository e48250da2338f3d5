#pragma once

#include <QString>

#include <string>
#include <vector>

namespace terrovane::texts {

// A sentence a lower layer made from one of its fixed texts: which text, and what filled its %1, %2, ...
struct Stated {
    const char* text = nullptr;
    std::vector<std::string> arguments;
};

// The fixed text among `texts` that `said` was made from, and its arguments; false when it is none of them
// (the database's, the system's or a solver's own words).
bool ParseStated(const std::string& said, const std::vector<const char*>& texts, Stated& stated);

// The fixed text translated under `context`, then filled with `arguments` in one pass.
QString TranslatedStated(const char* context, const char* text, const std::vector<QString>& arguments);

}  // namespace terrovane::texts
