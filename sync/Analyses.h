#pragma once

#include <string>
#include <vector>

#include "LocalState.h"
#include "Materialize.h"
#include "Pull.h"
#include "Sqlite.h"

namespace terrovane::sync {

// Stored analyses (soil models, fall-of-potential curves, grid assessments) in the team sync. Each travels
// once, as content of kind "analysis" keyed by its body (see AnalysisBody.h); its deletion travels as the
// field "deleted" of the analysis's uuid, under the analysis's own kind, so it merges by stamp as every
// other field does and is never undone by the content coming again.

// Whether the outbox entry is an analysis saved here (its kind's name and row id) or one deleted here
// ("analysis_deleted" and its uuid).
bool IsAnalysisEntry(const std::string& kind);
// The changes the entry makes: the analysis's content, once, or its deletion when the team has it.
void AddAnalysisChanges(archive::Database& db, const std::string& kind, const std::string& ref,
                        std::vector<std::string>& changes);

// Takes a pulled analysis: stored once, at once or when its site, point and results have arrived; one
// held already, or deleted here or elsewhere, is left as it is. Returns 1 when it was news here.
int TakeAnalysis(archive::Database& db, const PulledChange& change);

// Whether the thing is an analysis waiting to be stored ("analysis" and its uuid) or an analysis's field.
bool IsAnalysisEntity(const Entity& entity);
// Stores a waiting analysis, or deletes one the team deleted.
Materialized MaterializeAnalysis(archive::Database& db, const Entity& entity);

}  // namespace terrovane::sync
