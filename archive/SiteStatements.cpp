#include "SiteStatements.h"

#include <sqlite3.h>

#include "Problems.h"
#include "Transaction.h"

namespace terrovane::archive {

bool InTransaction(Archive& archive, const Operation& operation, std::string& error) {
    return archive.Write(operation, error);
}

bool Changed(Database& db, const char* missing, std::int64_t id, std::string& error) {
    if (sqlite3_changes(db.Handle()) == 0) {
        error = Problem(missing, {std::to_string(id)});
        return false;
    }
    return true;
}

bool EachRow(Database& db, Statement& statement, const std::function<bool(const Statement&)>& row,
             std::string& error) {
    int rc = SQLITE_ROW;
    while ((rc = statement.Step()) == SQLITE_ROW) {
        if (!row(statement)) {
            return false;
        }
    }
    if (rc != SQLITE_DONE) {
        error = db.Error();
        return false;
    }
    return true;
}

Status DeleteById(Archive& archive, const std::string& sql, std::int64_t id, const char* missing) {
    return archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        Statement remove;
        int rc = remove.Prepare(db, sql);
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        remove.Bind(1, id);
        if ((rc = remove.Step()) != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
        if (sqlite3_changes(db.Handle()) == 0) {
            return Missing(missing, {std::to_string(id)});
        }
        return Done{};
    });
}

bool StepDone(Database& db, Statement& statement, std::string& error) {
    const int rc = statement.Step();
    if (rc == SQLITE_DONE || rc == SQLITE_ROW) {
        return true;
    }
    error = db.Error();
    return false;
}

bool Prepared(Database& db, Statement& statement, const std::string& sql, std::string& error) {
    if (statement.Prepare(db, sql) != SQLITE_OK) {
        error = db.Error();
        return false;
    }
    return true;
}

void BindOptional(Statement& statement, int index, const std::optional<double>& value) {
    if (value) {
        statement.Bind(index, *value);
    } else {
        statement.BindNull(index);
    }
}

void BindOptional(Statement& statement, int index, const std::optional<int>& value) {
    if (value) {
        statement.Bind(index, static_cast<std::int64_t>(*value));
    } else {
        statement.BindNull(index);
    }
}

std::optional<double> OptionalReal(const Statement& statement, int column) {
    return statement.IsNull(column) ? std::nullopt : std::optional(statement.Real(column));
}

std::optional<int> OptionalInt(const Statement& statement, int column) {
    return statement.IsNull(column) ? std::nullopt : std::optional(static_cast<int>(statement.Int(column)));
}

std::optional<Limit> LimitAt(const Statement& statement, int ohmsColumn) {
    if (statement.IsNull(ohmsColumn)) {
        return std::nullopt;
    }
    return Limit{statement.Real(ohmsColumn), statement.Text(ohmsColumn + 1)};
}

std::string TrimmedName(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace terrovane::archive
