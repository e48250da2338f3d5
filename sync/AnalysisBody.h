#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Sqlite.h"

namespace terrovane::sync {

// A part of a stored analysis kept in a table of its own, its rows tied to the analysis by `ownerColumn`
// and kept in the order of `orderColumn`. A table the archive makes only when first needed has the
// statement that makes it; a file without it holds no such part.
struct AnalysisPart {
    const char* table;
    const char* ownerColumn;
    const char* orderColumn;
    const char* made = nullptr;
};

// A kind of stored analysis the team shares: its name (the outbox's, the server field's and the body's), its
// table, the column of the site or point it is kept with, and its parts.
struct AnalysisKind {
    const char* name;
    const char* table;
    const char* placeColumn;  // site_id or point_id
    std::vector<AnalysisPart> parts;
};

// nullptr when the name is no kind of analysis this program keeps.
const AnalysisKind* AnalysisKindNamed(std::string_view name);

// An analysis as it travels: every column of its row and of its parts but the archive's own row ids, with
// the site's (and point's) uuid in place of the local ids and a reading's result named by its content key.
// Real numbers are written as JSON strings in their shortest exact form ("inf" for an undetermined sigma),
// so they read back exactly on every PC whatever the server does to JSON numbers. Keyed by the SHA-256 of
// the body's text.
struct AnalysisContent {
    std::string uuid;
    std::string site;
    std::string body;
    std::string key;
};
// nullopt when the row is gone (deleted before it was sent).
std::optional<AnalysisContent> AnalysisContentOf(archive::Database& db, const AnalysisKind& kind,
                                                 std::int64_t id);

// What storing a received body came to.
struct [[nodiscard]] InsertOutcome {
    enum class Status { Stored, Waiting, Unreadable } status = Status::Unreadable;
    std::int64_t id = 0;  // Stored: the new row
    std::string problem;  // Unreadable: what is wrong with it
};
// Inserts the body's rows with the place (site or point) held here, inside the caller's savepoint: on
// Unreadable, some rows may have been written and the caller rolls them back. Waiting when a reading names
// a result this archive does not hold yet.
InsertOutcome InsertAnalysis(archive::Database& db, const AnalysisKind& kind, const std::string& body,
                             std::int64_t place);

}  // namespace terrovane::sync
