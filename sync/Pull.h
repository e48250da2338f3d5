#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Archive.h"

namespace terrovane::sync {

// One change the server's pull handed out, as text.
struct PulledChange {
    std::string ord;     // its place in the server's change log: the cursor after it
    std::string source;  // field, content or conflict
    std::string kind;
    std::string id;
    std::optional<std::string> field;
    std::optional<std::string> site;
    std::optional<std::string> value;  // JSON
    std::optional<std::string> stamp;
    std::optional<std::string> changedBy;
};

// Stores one page and the cursor after it in the unit of work the caller runs it in: each field merged
// with what was changed here (the later stamp wins; a change here that loses is listed as a conflict),
// read-outs and stored analyses stored once by their key, the server's conflicts listed. Returns the changes
// taken.
int ApplyPage(archive::Archive& archive, archive::Database& db, const std::vector<PulledChange>& page);

}  // namespace terrovane::sync
