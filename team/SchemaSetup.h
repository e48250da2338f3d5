#pragma once

#include "Connection.h"

namespace terrovane::team {

enum class SetupOutcome {
    Created,       // the schema is new, at this program's layout
    AlreadyThere,  // the schema was there already, at this program's layout; nothing changed
    OtherLayout,   // the schema is there at another layout; nothing changed
    Upgraded,      // the schema was at an older layout and is now at this program's
    Newer,         // the schema is at a newer layout than this program knows; nothing changed
    NoSchema,      // there is no schema to upgrade; nothing changed
    Failed,        // the server refused (see failure); nothing changed
};

struct SetupResult {
    SetupOutcome outcome = SetupOutcome::Failed;
    int serverLayout = 0;  // the layout found or made
    int fromLayout = 0;    // Upgraded: the layout it was at
    pg::QueryResult failure;
};

// Makes the team schema in the connected database, in one transaction; run by the database's owner,
// who needs the right to create roles.
SetupResult SetUpSchema(pg::Connection& connection);

// Brings a schema of an earlier layout to this program's, in one transaction that keeps every row, every
// device's batches and every archive's place in the change log; run by the database's owner.
SetupResult UpgradeSchema(pg::Connection& connection);

// The layout of the schema in the connected database; 0 when there is none, nullopt when the server
// could not say (see failure).
[[nodiscard]] std::optional<int> ServerLayout(pg::Connection& connection, pg::QueryResult& failure);

}  // namespace terrovane::team
