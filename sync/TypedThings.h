#pragma once

#include <string>

#include "LocalState.h"
#include "Materialize.h"

namespace terrovane::sync {

// Typed results (each version a thing of its own, placed by its point), typed traverses (placed by their
// point) and typed soundings (placed by their site) as the team shares them. What was measured travels
// as fields written once; only a result's point and a traverse's or sounding's deletion change later.
bool IsTypedKind(const std::string& kind);

// The query that gives a typed thing's state here by its uuid (?1): its fields as one JSON object, the
// stamp of its latest change and the uuid of the site it belongs to.
const char* TypedStateSql(const std::string& kind);

// Writes what the server has for a typed thing into the archive: a thing not held yet is made whole
// (Waiting until its point, site or the version it corrects is here), a held result takes its point, a
// deleted traverse or sounding goes. A thing whose measured values the archive could not keep as they
// are is left out rather than kept altered.
Materialized MaterializeTyped(archive::Database& db, const Entity& entity);

// Writes what the server has for a typed result's visit: the result joins the visit (Waiting until both
// are here), or leaves the one it was in. A visit of another site than the result's newest version is not
// taken: the result moved since.
Materialized MaterializeTypedVisit(archive::Database& db, const Entity& entity);

}  // namespace terrovane::sync
