#include "LeftOutNotes.h"

#include <sqlite3.h>

#include "Transaction.h"

namespace terrovane::archive {
namespace {

struct NotesTable {
    const char* name;
    const char* create;
};

NotesTable TableOf(LeftOutOf kind) {
    if (kind == LeftOutOf::SoilModel) {
        return {"soil_model_left_out",
                "CREATE TABLE IF NOT EXISTS soil_model_left_out ("
                " owner_id INTEGER NOT NULL REFERENCES soil_models(id) ON DELETE CASCADE,"
                " ordinal INTEGER NOT NULL, note TEXT NOT NULL, PRIMARY KEY (owner_id, ordinal))"};
    }
    return {"fop_curve_left_out",
            "CREATE TABLE IF NOT EXISTS fop_curve_left_out ("
            " owner_id INTEGER NOT NULL REFERENCES fop_curves(id) ON DELETE CASCADE,"
            " ordinal INTEGER NOT NULL, note TEXT NOT NULL, PRIMARY KEY (owner_id, ordinal))"};
}

Result<bool> TableExists(Database& db, const char* name) {
    Statement query;
    int rc = query.Prepare(db, "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = ?");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    query.Bind(1, std::string_view(name));
    if ((rc = query.Step()) != SQLITE_ROW) {
        return LastFailure(db, rc);
    }
    return query.Int(0) > 0;
}

}  // namespace

const char* LeftOutTableSql(LeftOutOf kind) {
    return TableOf(kind).create;
}

Status InsertLeftOutNotes(Database& db, LeftOutOf kind, std::int64_t id,
                          const std::vector<std::string>& notes) {
    if (notes.empty()) {
        return Done{};
    }
    const NotesTable table = TableOf(kind);
    if (const int made = db.Exec(table.create); made != SQLITE_OK) {
        return LastFailure(db, made);
    }
    Statement insert;
    int rc = insert.Prepare(
        db, std::string("INSERT INTO ") + table.name + " (owner_id, ordinal, note) VALUES (?, ?, ?)");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    for (std::size_t i = 0; i < notes.size(); ++i) {
        insert.Reset();
        insert.Bind(1, id);
        insert.Bind(2, static_cast<std::int64_t>(i));
        insert.Bind(3, std::string_view(notes[i]));
        if ((rc = insert.Step()) != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
    }
    return Done{};
}

Result<std::vector<std::string>> LoadLeftOutNotes(Database& db, LeftOutOf kind, std::int64_t id) {
    const NotesTable table = TableOf(kind);
    const Result<bool> exists = TableExists(db, table.name);
    if (!exists) {
        return exists.Error();
    }
    std::vector<std::string> notes;
    if (!exists.Value()) {
        return notes;
    }
    Statement select;
    int rc = select.Prepare(
        db, std::string("SELECT note FROM ") + table.name + " WHERE owner_id = ? ORDER BY ordinal");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    select.Bind(1, id);
    while ((rc = select.Step()) == SQLITE_ROW) {
        notes.push_back(select.Text(0));
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return notes;
}

}  // namespace terrovane::archive
