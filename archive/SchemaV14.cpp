#include "SchemaV14.h"

#include <sqlite3.h>

#include <string>

#include "FindIndex.h"

namespace terrovane::archive {
namespace {

// Two full-text tables over the same entries. find_words splits words with unicode61, folding case and
// diacritics, with prefix indexes for searching as one types. Chinese, Japanese and Korean text has no
// spaces between its words, so unicode61 takes a whole run of it as one token; find_grams (trigram)
// holds the entries that contain such text and finds any part of it. Each entry's rowid is its row's
// id times 8 plus its kind (FindIndex.h). The tables keep their own copy of the texts, so an entry is
// dropped by its rowid alone.
//
// Triggers on every table indexed note the changed entry's rowid in find_queue, and each unit of work
// brings the entries noted up to date before it commits (FlushFindQueue). The triggers keep the record
// whoever writes (the windows, the command line, an import, the team sync applying what it pulled); the
// index itself is written once per unit of work, since FTS5 writes its pending entries out at every
// statement's savepoint: written row by row from a trigger, an import of 100,000 typed results took
// five times as long. Every statement may run again: a file one step behind by the grid assessments'
// rule runs this step a second time.
constexpr const char* kTables = R"sql(
CREATE VIRTUAL TABLE IF NOT EXISTS find_words USING fts5(
    body, tokenize = 'unicode61 remove_diacritics 2', prefix = '1 2 3');
CREATE VIRTUAL TABLE IF NOT EXISTS find_grams USING fts5(body, tokenize = 'trigram');
CREATE TABLE IF NOT EXISTS find_queue (k INTEGER PRIMARY KEY);
)sql";

// The list's filters together (measuring dates with a mode) had only the mode's index in the list's
// order, so a rare combination walked every result of the mode; this one finds the mode's dates first.
constexpr const char* kFilterIndex = R"sql(
CREATE INDEX IF NOT EXISTS results_mode_dated ON results(mode, measured_date, measured_time);
)sql";

struct Indexed {
    const char* table;
    FindKind kind;
    const char* body;     // the entry's text, over the row as `R`
    const char* changed;  // the columns whose update changes it
    const char* when;     // rows of the table that have an entry
};

// A typed result is found by its newest version only: a correction replaces the entry of the version
// it corrects (the triggers below).
constexpr Indexed kIndexed[] = {
    {"sites", FindKind::Site, "R.name || ' ' || R.address || ' ' || R.notes", "name, address, notes", "1"},
    {"points", FindKind::Point, "R.name || ' ' || R.notes", "name, notes", "1"},
    {"labels", FindKind::Label, "R.text", "text", "1"},
    {"results", FindKind::Result, "coalesce(R.note, '')", "note", "1"},
    {"readouts", FindKind::ReadOut, "coalesce(R.note, '')", "note", "1"},
    {"typed_results", FindKind::TypedResult, "R.instrument || ' ' || R.measured_by || ' ' || R.note",
     "instrument, measured_by, note", "NOT EXISTS (SELECT 1 FROM typed_results n WHERE n.replaces = R.id)"},
    {"attachments", FindKind::Attachment, "R.caption", "caption", "1"},
};

std::string Replace(std::string text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
    return text;
}

std::string Key(const std::string& row, FindKind kind) {
    return row + ".id * 8 + " + std::to_string(static_cast<int>(kind));
}

std::string Noted(const std::string& key) {
    return " BEGIN INSERT OR IGNORE INTO find_queue VALUES (" + key + "); END;\n";
}

// A new row with text, a change of its text and its deletion each note its entry.
std::string Triggers(const Indexed& indexed) {
    const std::string table = indexed.table;
    return "CREATE TRIGGER IF NOT EXISTS find_" + table + "_made AFTER INSERT ON " + table + " WHEN trim(" +
           Replace(indexed.body, "R.", "NEW.") + ") <> ''" + Noted(Key("NEW", indexed.kind)) +
           "CREATE TRIGGER IF NOT EXISTS find_" + table + "_changed AFTER UPDATE OF " + indexed.changed +
           " ON " + table + Noted(Key("NEW", indexed.kind)) + "CREATE TRIGGER IF NOT EXISTS find_" + table +
           "_deleted AFTER DELETE ON " + table + Noted(Key("OLD", indexed.kind));
}

// A correction takes the place of the version it corrects; when the correction goes, the version it
// corrected is found again.
std::string TypedVersionTriggers() {
    const std::string kind = std::to_string(static_cast<int>(FindKind::TypedResult));
    return "CREATE TRIGGER IF NOT EXISTS find_typed_results_corrected AFTER INSERT ON typed_results "
           "WHEN NEW.replaces IS NOT NULL" +
           Noted("NEW.replaces * 8 + " + kind) +
           "CREATE TRIGGER IF NOT EXISTS find_typed_results_uncorrected AFTER DELETE ON typed_results "
           "WHEN OLD.replaces IS NOT NULL" +
           Noted("OLD.replaces * 8 + " + kind);
}

std::string TriggersSql() {
    std::string sql;
    for (const Indexed& indexed : kIndexed) {
        sql += Triggers(indexed);
    }
    return sql + TypedVersionTriggers();
}

// The entries noted dropped, and those whose rows still have text made again from them.
std::string FlushSql() {
    std::string sql =
        "DELETE FROM find_words WHERE rowid IN (SELECT k FROM find_queue);\n"
        "DELETE FROM find_grams WHERE rowid IN (SELECT k FROM find_queue);\n";
    for (const Indexed& indexed : kIndexed) {
        const std::string entries =
            "SELECT k, b FROM (SELECT " + Key("R", indexed.kind) + " AS k, trim(" + indexed.body +
            ") AS b FROM find_queue q JOIN " + indexed.table +
            " R ON R.id = q.k >> 3 WHERE (q.k & 7) = " + std::to_string(static_cast<int>(indexed.kind)) +
            " AND " + indexed.when + ") WHERE b <> ''";
        sql += "INSERT INTO find_words(rowid, body) " + entries + ";\n";
        sql += "INSERT INTO find_grams(rowid, body) " + entries + " AND b GLOB '" + kEastAsianGlob + "';\n";
    }
    return sql + "DELETE FROM find_queue;\n";
}

// Every row noted, so that the flush makes every entry again (and running the step twice leaves one each).
std::string NoteEverythingSql() {
    std::string sql;
    for (const Indexed& indexed : kIndexed) {
        sql += "INSERT OR IGNORE INTO find_queue SELECT " + Key("R", indexed.kind) + " FROM " +
               indexed.table + " R;\n";
    }
    return sql;
}

}  // namespace

int FlushFindQueue(Database& db) {
    Statement pending;
    int rc = pending.Prepare(db, "SELECT EXISTS (SELECT 1 FROM find_queue)");
    if (rc != SQLITE_OK) {
        return rc;
    }
    if ((rc = pending.Step()) != SQLITE_ROW) {
        return rc;
    }
    if (pending.Int(0) == 0) {
        return SQLITE_OK;
    }
    static const std::string flush = FlushSql();
    return db.Exec(flush.c_str());
}

int MigrateToLayout14(Database& db) {
    const std::string triggers = TriggersSql();
    const std::string everything = NoteEverythingSql();
    for (const char* sql : {kTables, kFilterIndex, triggers.c_str(), everything.c_str()}) {
        if (const int rc = db.Exec(sql); rc != SQLITE_OK) {
            return rc;
        }
    }
    return FlushFindQueue(db);
}

}  // namespace terrovane::archive
