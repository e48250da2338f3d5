#include "LocalSql.h"

#include <sqlite3.h>

#include "Numbers.h"

namespace terrovane::sync {
namespace {

thread_local PreparedOnce* keeper = nullptr;

}  // namespace

PreparedOnce::PreparedOnce(archive::Database& db) : db_(db), inCharge_(keeper == nullptr) {
    if (inCharge_) {
        keeper = this;
    }
}

PreparedOnce::~PreparedOnce() {
    if (inCharge_) {
        keeper = nullptr;
    }
}

archive::Statement* PreparedOnce::Kept(archive::Database& db, std::string_view sql) {
    if (keeper == nullptr || &keeper->db_ != &db) {
        return nullptr;
    }
    auto found = keeper->statements_.find(sql);
    if (found == keeper->statements_.end()) {
        archive::Statement statement;
        if (const int rc = statement.Prepare(db, sql); rc != SQLITE_OK) {
            throw LocalFailure(rc, db.Error());
        }
        found = keeper->statements_.emplace(std::string(sql), std::move(statement)).first;
    }
    return &found->second;
}

Bound::Bound(archive::Database& db, std::string_view sql, const std::vector<SqlValue>& values)
    : kept_(PreparedOnce::Kept(db, sql)) {
    if (kept_ == nullptr) {
        if (const int rc = own_.Prepare(db, sql); rc != SQLITE_OK) {
            throw LocalFailure(rc, db.Error());
        }
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        BindValue(static_cast<int>(i) + 1, values[i]);
    }
}

Bound::~Bound() {
    if (kept_ != nullptr) {
        kept_->Reset();
    }
}

void Bound::BindValue(int index, const SqlValue& value) {
    archive::Statement& statement = **this;
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

std::int64_t WholeNumber(const std::optional<std::string>& text, std::int64_t fallback) {
    return text ? numbers::ParseInteger(*text).value_or(fallback) : fallback;
}

std::vector<SqlRow> Rows(archive::Database& db, std::string_view sql, const std::vector<SqlValue>& values) {
    Bound statement(db, sql, values);
    std::vector<SqlRow> rows;
    int rc;
    while ((rc = statement->Step()) == SQLITE_ROW) {
        SqlRow row;
        for (int column = 0; column < statement->ColumnCount(); ++column) {
            row.push_back(statement->IsNull(column) ? std::nullopt : std::optional(statement->Text(column)));
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
    Bound statement(db, sql, values);
    int rc;
    while ((rc = statement->Step()) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        throw LocalFailure(db.ExtendedErrorCode(), db.Error());
    }
    return sqlite3_changes(db.Handle());
}

}  // namespace terrovane::sync
