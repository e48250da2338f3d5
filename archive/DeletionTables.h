#pragma once

#include <string>
#include <vector>

#include "DeletionSnapshot.h"
#include "Sqlite.h"

namespace terrovane::archive {

// The archive's own tables as SQLite describes them, for the deletion's snapshot and its restore: what
// refers to what, and rows read and written whole.

// One foreign key: `child`.`from` refers to `parent`.`to`, and what a deletion of the parent does to it.
struct TableLink {
    std::string child;
    std::string from;
    std::string parent;
    std::string to;
    std::string onDelete;  // "CASCADE", "SET NULL", "NO ACTION", ...
};

// Every foreign key of the archive's tables.
Result<std::vector<TableLink>> TableLinks(Database& db);
// The table's columns in their order.
Result<std::vector<std::string>> TableColumns(Database& db, const std::string& table);
// The name quoted for SQL.
std::string QuotedName(const std::string& name);
// Binds the value as it was read, its kind kept (an empty blob stays a blob).
void BindSaved(Statement& statement, int index, const SavedValue& value);
// Reads every row of `table` that `where` picks (with ?1 bound to `key`) into `out`.
Status ReadSavedRows(Database& db, const std::string& table, const std::string& where, std::int64_t key,
                     SavedRows& out);
// A stored analysis: the team never takes its deletion back, so it returns under a new sync id.
bool IsAnalysisTable(const std::string& table);

}  // namespace terrovane::archive
