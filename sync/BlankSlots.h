#pragma once

#include <string>

#include "Pull.h"
#include "Sqlite.h"

namespace terrovane::sync {

// Whether a read-out this archive holds already must come again with its body, so that the slots which
// became this member's are filled in: the server names the result it assigned to one of the member's sites
// (this archive does not hold that result yet), or the site the member was given that the read-out is seen
// in (a slot of it is blank here). A read-out coming back as it arrived (this archive's own) never does.
bool WantsSlotsFilled(archive::Database& db, const std::string& localId, const PulledChange& change);

}  // namespace terrovane::sync
