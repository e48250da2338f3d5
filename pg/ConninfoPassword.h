#pragma once

#include <optional>
#include <string>

namespace terrovane::pg {

// A connection string with any password taken out of it, so what is kept (in the settings) holds none.
struct ConninfoWithoutPassword {
    std::string conninfo;                 // as given when it held no password
    std::optional<std::string> password;  // the one it held
};

// Takes the password out of a libpq connection string or URI; one libpq cannot read is returned as it is
// (connecting with it then says what is wrong).
ConninfoWithoutPassword TakePasswordOut(const std::string& conninfo);

}  // namespace terrovane::pg
