#include <sqlite3.h>

#include "Archive.h"

namespace terrovane::archive {

bool Archive::Use(const std::function<bool(Database&, std::string&)>& operation, std::string& error) {
    if (!db_.IsOpen() && Connect(error) != SQLITE_OK) {
        return false;
    }
    return operation(db_, error);
}

}  // namespace terrovane::archive
