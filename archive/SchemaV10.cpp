#include "SchemaV10.h"

#include <sqlite3.h>

#include <string>

#include "FindIndex.h"

namespace terrovane::archive {
namespace {

// Two full-text tables over the same entries. find_words splits words with unicode61, folding case and
// diacritics, with prefix indexes for searching as one types. Chinese, Japanese and Korean text has no
// spaces between its words, so unicode61 takes a whole run of it as one token; find_grams (trigram)
// holds the entries that contain such text and finds any part of it. Each entry's rowid is its row's
// id times 8 plus its kind (FindIndex.h), so a trigger finds it again without a lookup. The tables keep
// their own copy of the texts: a trigger can then drop an entry by its rowid alone.
//
// Triggers rather than code in each unit of work: every writer of these tables (the windows, the
// command line, an import, the team sync applying what it pulled, even another SQLite program) keeps
// the index true without having to remember it, in the same transaction as the change. Every statement
// may run again: a file one step behind by the grid assessments' rule runs this step a second time.
constexpr const char* kTables = R"sql(
CREATE VIRTUAL TABLE IF NOT EXISTS find_words USING fts5(
    body, tokenize = 'unicode61 remove_diacritics 2', prefix = '1 2 3');
CREATE VIRTUAL TABLE IF NOT EXISTS find_grams USING fts5(body, tokenize = 'trigram');
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

// Adds the entry of `row` (NEW, or the alias that `from` gives a table) of `indexed` when it has any text.
std::string AddEntry(const Indexed& indexed, const std::string& row, const std::string& from) {
    const std::string key = row + ".id * 8 + " + std::to_string(static_cast<int>(indexed.kind));
    const std::string entry = "(SELECT " + key + " AS k, trim(" + Replace(indexed.body, "R.", row + ".") +
                              ") AS b" + from + " WHERE " + Replace(indexed.when, "R.", row + ".") +
                              ") WHERE b <> ''";
    return "INSERT INTO find_words(rowid, body) SELECT k, b FROM " + entry +
           ";\n    INSERT INTO find_grams(rowid, body) SELECT k, b FROM " + entry + " AND b GLOB '" +
           kEastAsianGlob + "';\n";
}

std::string DropEntry(const std::string& key) {
    return "DELETE FROM find_words WHERE rowid = " + key +
           ";\n    DELETE FROM find_grams WHERE rowid = " + key + ";\n";
}

std::string Triggers(const Indexed& indexed) {
    const std::string table = indexed.table;
    const std::string kind = std::to_string(static_cast<int>(indexed.kind));
    std::string sql;
    sql += "CREATE TRIGGER IF NOT EXISTS find_" + table + "_made AFTER INSERT ON " + table + " BEGIN\n    " +
           AddEntry(indexed, "NEW", "") + "END;\n";
    sql += "CREATE TRIGGER IF NOT EXISTS find_" + table + "_changed AFTER UPDATE OF " + indexed.changed +
           " ON " + table + " BEGIN\n    " + DropEntry("OLD.id * 8 + " + kind) + "    " +
           AddEntry(indexed, "NEW", "") + "END;\n";
    sql += "CREATE TRIGGER IF NOT EXISTS find_" + table + "_deleted AFTER DELETE ON " + table +
           " BEGIN\n    " + DropEntry("OLD.id * 8 + " + kind) + "END;\n";
    return sql;
}

// A correction takes the place of the version it corrects; when the correction goes, the version it
// corrected is found again.
std::string TypedVersionTriggers(const Indexed& typed) {
    const std::string kind = std::to_string(static_cast<int>(typed.kind));
    const std::string uncorrected = std::string("R.id = OLD.replaces AND ") + typed.when;
    return "CREATE TRIGGER IF NOT EXISTS find_typed_results_corrected AFTER INSERT ON typed_results "
           "WHEN NEW.replaces IS NOT NULL BEGIN\n    " +
           DropEntry("NEW.replaces * 8 + " + kind) +
           "END;\n"
           "CREATE TRIGGER IF NOT EXISTS find_typed_results_uncorrected AFTER DELETE ON typed_results "
           "WHEN OLD.replaces IS NOT NULL BEGIN\n    " +
           AddEntry({typed.table, typed.kind, typed.body, typed.changed, uncorrected.c_str()}, "v",
                    " FROM typed_results v") +
           "END;\n";
}

std::string TriggersSql() {
    std::string sql;
    for (const Indexed& indexed : kIndexed) {
        sql += Triggers(indexed);
    }
    return sql + TypedVersionTriggers(kIndexed[5]);
}

// Every entry made again from the rows, so that running the step twice leaves one entry each.
std::string FillSql() {
    std::string sql = "DELETE FROM find_words;\nDELETE FROM find_grams;\n";
    for (const Indexed& indexed : kIndexed) {
        sql += AddEntry(indexed, "R", std::string(" FROM ") + indexed.table + " R");
    }
    return sql;
}

}  // namespace

int MigrateToLayout10(Database& db) {
    const std::string triggers = TriggersSql();
    const std::string fill = FillSql();
    for (const char* sql : {kTables, kFilterIndex, triggers.c_str(), fill.c_str()}) {
        if (const int rc = db.Exec(sql); rc != SQLITE_OK) {
            return rc;
        }
    }
    return SQLITE_OK;
}

}  // namespace terrovane::archive
