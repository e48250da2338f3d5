#include "DeletionTables.h"

#include <sqlite3.h>

#include <span>

#include "Transaction.h"

namespace terrovane::archive {
namespace {

// Virtual tables (the search index) hold no foreign keys and are kept by their own triggers.
constexpr const char* kLinksSql =
    "SELECT m.name, f.\"from\", f.\"table\", coalesce(f.\"to\", 'rowid'), f.on_delete "
    "FROM sqlite_schema m, pragma_foreign_key_list(m.name) f "
    "WHERE m.type = 'table' AND m.sql NOT LIKE 'CREATE VIRTUAL%' ORDER BY m.name, f.id, f.seq";

SavedValue ReadSavedValue(const Statement& query, int typeColumn) {
    const std::string type = query.Text(typeColumn);
    const int column = typeColumn + 1;
    if (type == "integer") {
        return query.Int(column);
    }
    if (type == "real") {
        return query.Real(column);
    }
    if (type == "text") {
        return query.Text(column);
    }
    if (type == "blob") {
        return query.Blob(column);
    }
    return std::monostate{};
}

}  // namespace

Result<std::vector<TableLink>> TableLinks(Database& db) {
    Statement query;
    int rc = query.Prepare(db, kLinksSql);
    std::vector<TableLink> links;
    while (rc == SQLITE_OK && (rc = query.Step()) == SQLITE_ROW) {
        links.push_back({query.Text(0), query.Text(1), query.Text(2), query.Text(3), query.Text(4)});
        rc = SQLITE_OK;
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return links;
}

Result<std::vector<std::string>> TableColumns(Database& db, const std::string& table) {
    Statement query;
    int rc = query.Prepare(db, "SELECT name FROM pragma_table_info(?1) ORDER BY cid");
    std::vector<std::string> columns;
    if (rc == SQLITE_OK) {
        query.Bind(1, std::string_view(table));
    }
    while (rc == SQLITE_OK && (rc = query.Step()) == SQLITE_ROW) {
        columns.push_back(query.Text(0));
        rc = SQLITE_OK;
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return columns;
}

std::string QuotedName(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

void BindSaved(Statement& statement, int index, const SavedValue& value) {
    static const std::uint8_t kNoBytes[1] = {0};
    if (const auto* number = std::get_if<std::int64_t>(&value)) {
        statement.Bind(index, *number);
    } else if (const auto* real = std::get_if<double>(&value)) {
        statement.Bind(index, *real);
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        statement.Bind(index, std::string_view(*text));
    } else if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value)) {
        // SQLite takes a blob without an address for NULL.
        statement.BindBlob(index, bytes->empty() ? std::span<const std::uint8_t>(kNoBytes, 0)
                                                 : std::span<const std::uint8_t>(*bytes));
    } else {
        statement.BindNull(index);
    }
}

Status ReadSavedRows(Database& db, const std::string& table, const std::string& where, std::int64_t key,
                     SavedRows& out) {
    const Result<std::vector<std::string>> columns = TableColumns(db, table);
    if (!columns) {
        return columns.Error();
    }
    out.table = table;
    out.columns = columns.Value();
    // Each value with its kind: a text of digits and a number are different things to SQLite.
    std::string select;
    for (const std::string& column : out.columns) {
        select += (select.empty() ? "" : ", ") + std::string("typeof(") + QuotedName(column) + "), " +
                  QuotedName(column);
    }
    Statement query;
    int rc = query.Prepare(db, "SELECT " + select + " FROM " + QuotedName(table) + " WHERE " + where);
    if (rc == SQLITE_OK) {
        query.Bind(1, key);
    }
    while (rc == SQLITE_OK && (rc = query.Step()) == SQLITE_ROW) {
        std::vector<SavedValue> row;
        row.reserve(out.columns.size());
        for (std::size_t i = 0; i < out.columns.size(); ++i) {
            row.push_back(ReadSavedValue(query, static_cast<int>(i * 2)));
        }
        out.rows.push_back(std::move(row));
        rc = SQLITE_OK;
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return Done{};
}

bool IsAnalysisTable(const std::string& table) {
    return table == "soil_models" || table == "fop_curves" || table == "grid_assessments";
}

}  // namespace terrovane::archive
