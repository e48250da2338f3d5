#pragma once

#include <string>
#include <vector>

namespace terrovane::pg {

// The text form of a PostgreSQL text[] parameter ($1::text[]) holding exactly these texts: each element
// quoted, its quotes and backslashes escaped, so a text with a comma, brace or quote (a name, or a key
// another member chose) arrives as it is and never splits into more elements or breaks the array.
std::string TextArray(const std::vector<std::string>& texts);

}  // namespace terrovane::pg
