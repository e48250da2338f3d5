#include "LeftOutNotes.h"

#include "SiteStatements.h"

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

bool TableExists(Database& db, const char* name, bool& exists, std::string& error) {
    Statement query;
    if (!Prepared(db, query, "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = ?", error)) {
        return false;
    }
    query.Bind(1, std::string_view(name));
    return EachRow(
        db, query, [&](const Statement& row) { return (exists = row.Int(0) > 0), true; }, error);
}

}  // namespace

const char* LeftOutTableSql(LeftOutOf kind) {
    return TableOf(kind).create;
}

bool InsertLeftOutNotes(Database& db, LeftOutOf kind, std::int64_t id, const std::vector<std::string>& notes,
                        std::string& error) {
    if (notes.empty()) {
        return true;
    }
    const NotesTable table = TableOf(kind);
    if (db.Exec(table.create) != 0) {
        error = db.Error();
        return false;
    }
    Statement insert;
    if (!Prepared(db, insert,
                  std::string("INSERT INTO ") + table.name + " (owner_id, ordinal, note) VALUES (?, ?, ?)",
                  error)) {
        return false;
    }
    for (std::size_t i = 0; i < notes.size(); ++i) {
        insert.Reset();
        insert.Bind(1, id);
        insert.Bind(2, static_cast<std::int64_t>(i));
        insert.Bind(3, std::string_view(notes[i]));
        if (!StepDone(db, insert, error)) {
            return false;
        }
    }
    return true;
}

bool LoadLeftOutNotes(Database& db, LeftOutOf kind, std::int64_t id, std::vector<std::string>& notes,
                      std::string& error) {
    notes.clear();
    const NotesTable table = TableOf(kind);
    bool exists = false;
    if (!TableExists(db, table.name, exists, error)) {
        return false;
    }
    if (!exists) {
        return true;
    }
    Statement select;
    if (!Prepared(db, select,
                  std::string("SELECT note FROM ") + table.name + " WHERE owner_id = ? ORDER BY ordinal",
                  error)) {
        return false;
    }
    select.Bind(1, id);
    return EachRow(
        db, select, [&](const Statement& row) { return notes.push_back(row.Text(0)), true; }, error);
}

}  // namespace terrovane::archive
