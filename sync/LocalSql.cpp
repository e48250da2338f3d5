#include "LocalSql.h"

#include <sqlite3.h>

#include <charconv>

namespace terrovane::sync {
namespace {

archive::Statement Prepared(archive::Database& db, std::string_view sql,
                            const std::vector<SqlValue>& values) {
    archive::Statement statement;
    if (const int rc = statement.Prepare(db, sql); rc != SQLITE_OK) {
        throw LocalFailure(rc, db.Error());
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        const SqlValue& value = values[i];
        if (const auto* text = std::get_if<std::string>(&value)) {
            statement.Bind(index, std::string_view(*text));
        } else if (const auto* number = std::get_if<std::int64_t>(&value)) {
            statement.Bind(index, *number);
        } else if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value)) {
            statement.BindBlob(index, *bytes);
        } else {
            statement.BindNull(index);
        }
    }
    return statement;
}

}  // namespace

std::int64_t WholeNumber(const std::optional<std::string>& text, std::int64_t fallback) {
    if (!text) {
        return fallback;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    return error == std::errc() && end == text->data() + text->size() ? value : fallback;
}

std::vector<SqlRow> Rows(archive::Database& db, std::string_view sql, const std::vector<SqlValue>& values) {
    archive::Statement statement = Prepared(db, sql, values);
    std::vector<SqlRow> rows;
    int rc;
    while ((rc = statement.Step()) == SQLITE_ROW) {
        SqlRow row;
        for (int column = 0; column < statement.ColumnCount(); ++column) {
            row.push_back(statement.IsNull(column) ? std::nullopt : std::optional(statement.Text(column)));
        }
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        throw LocalFailure(db.ExtendedErrorCode(), db.Error());
    }
    return rows;
}

std::optional<std::string> Single(archive::Database& db, std::string_view sql,
                                  const std::vector<SqlValue>& values) {
    const std::vector<SqlRow> rows = Rows(db, sql, values);
    return rows.empty() || rows[0].empty() ? std::nullopt : rows[0][0];
}

int Exec(archive::Database& db, std::string_view sql, const std::vector<SqlValue>& values) {
    archive::Statement statement = Prepared(db, sql, values);
    int rc;
    while ((rc = statement.Step()) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        throw LocalFailure(db.ExtendedErrorCode(), db.Error());
    }
    return sqlite3_changes(db.Handle());
}

}  // namespace terrovane::sync
