#pragma once

#include "Connection.h"

namespace terrovane::team {

enum class SetupOutcome {
    Created,       // the schema is new, at this program's layout
    AlreadyThere,  // the schema was there already, at this program's layout; nothing changed
    OtherLayout,   // the schema is there at another layout; nothing changed
    Failed,        // the server refused (see failure); nothing changed
};

struct SetupResult {
    SetupOutcome outcome = SetupOutcome::Failed;
    int serverLayout = 0;  // the layout found or made
    pg::QueryResult failure;
};

// Makes the team schema in the connected database, in one transaction; run by the database's owner,
// who needs the right to create roles.
SetupResult SetUpSchema(pg::Connection& connection);

// The layout of the schema in the connected database; 0 when there is none, nullopt when the server
// could not say (see failure).
std::optional<int> ServerLayout(pg::Connection& connection, pg::QueryResult& failure);

}  // namespace terrovane::team
