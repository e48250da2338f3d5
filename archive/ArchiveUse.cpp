#include "Archive.h"

namespace terrovane::archive {

bool Archive::Use(const std::function<bool(Database&, std::string&)>& operation, std::string& error) {
    const Connection connection(*this);
    if (!connection.Ready(error)) {
        return false;
    }
    return operation(db_, error);
}

}  // namespace terrovane::archive
