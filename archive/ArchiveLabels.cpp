// Labels and notes of results and read-outs.
#include <sqlite3.h>

#include "Archive.h"
#include "Problems.h"

namespace terrovane::archive {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Label ids start at 1; 0 stands for no label.
void BindLabel(Statement& statement, int index, std::int64_t labelId) {
    if (labelId != 0) {
        statement.Bind(index, labelId);
    } else {
        statement.BindNull(index);
    }
}

}  // namespace

std::int64_t Archive::LabelId(const std::string& label, int& rc) {
    Statement insert;
    rc = insert.Prepare(db_, "INSERT INTO labels(text) VALUES (?) ON CONFLICT(text) DO NOTHING");
    if (rc == SQLITE_OK) {
        insert.Bind(1, std::string_view(label));
        rc = insert.Step() == SQLITE_DONE ? SQLITE_OK : db_.ExtendedErrorCode();
    }
    Statement find;
    if (rc == SQLITE_OK && (rc = find.Prepare(db_, "SELECT id FROM labels WHERE text = ?")) == SQLITE_OK) {
        find.Bind(1, std::string_view(label));
        if (find.Step() == SQLITE_ROW) {
            return find.Int(0);
        }
        rc = db_.ExtendedErrorCode();
    }
    return 0;
}

bool Archive::SetLabel(LabelTarget target, std::int64_t id, const std::string& label,
                       const std::optional<std::string>& note, std::string& error) {
    return Write(
        [&](Database& db, std::string& failure) { return ChangeLabel(db, target, id, label, note, failure); },
        error);
}

bool Archive::ChangeLabel(Database& db, LabelTarget target, std::int64_t id, const std::string& label,
                          const std::optional<std::string>& note, std::string& error) {
    const bool readout = target == LabelTarget::ReadOut;
    const std::string table = readout ? "readouts" : "results";
    const auto fail = [&](const std::string& reason) {
        error = reason;
        return false;
    };
    Statement old;
    if (old.Prepare(db, "SELECT label_id FROM " + table + " WHERE id = ?") != SQLITE_OK) {
        return fail(db.Error());
    }
    old.Bind(1, id);
    if (const int rc = old.Step(); rc != SQLITE_ROW) {
        return fail(rc != SQLITE_DONE ? db.Error()
                                      : Problem(readout ? kNoReadOut : kNoResult, {std::to_string(id)}));
    }
    const std::int64_t former = old.IsNull(0) ? 0 : old.Int(0);
    const std::string text = Trimmed(label);
    int rc = SQLITE_OK;
    const std::int64_t labelId = text.empty() ? 0 : LabelId(text, rc);
    if (rc != SQLITE_OK) {
        return fail(db.Error());
    }
    Statement update;
    if (update.Prepare(db, "UPDATE " + table + " SET label_id = ?, note = coalesce(?, note) WHERE id = ?") !=
        SQLITE_OK) {
        return fail(db.Error());
    }
    BindLabel(update, 1, labelId);
    update.Bind(2, note);
    update.Bind(3, id);
    if (update.Step() != SQLITE_DONE) {
        return fail(db.Error());
    }
    if (readout) {
        Statement spread;
        if (spread.Prepare(
                db,
                "UPDATE results SET label_id = ?1 WHERE id IN (SELECT result_id FROM readout_slots "
                "WHERE readout_id = ?2) AND (label_id IS NULL OR label_id IS ?3)") != SQLITE_OK) {
            return fail(db.Error());
        }
        BindLabel(spread, 1, labelId);
        spread.Bind(2, id);
        BindLabel(spread, 3, former);
        if (spread.Step() != SQLITE_DONE) {
            return fail(db.Error());
        }
    }
    return true;
}

std::vector<std::string> Archive::Labels(std::string& error) {
    std::vector<std::string> labels;
    const bool read = Read(
        [&](Database& db, std::string& failure) {
            Statement query;
            if (query.Prepare(db,
                              "SELECT text FROM labels WHERE id IN (SELECT label_id FROM results) OR id IN "
                              "(SELECT label_id FROM readouts) ORDER BY text") != SQLITE_OK) {
                failure = db.Error();
                return false;
            }
            int rc = SQLITE_OK;
            while ((rc = query.Step()) == SQLITE_ROW) {
                labels.push_back(query.Text(0));
            }
            if (rc != SQLITE_DONE) {
                failure = db.Error();
                return false;
            }
            return true;
        },
        error);
    if (!read) {
        labels.clear();
    }
    return labels;
}

}  // namespace terrovane::archive
