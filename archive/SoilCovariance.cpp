#include "SoilCovariance.h"

#include <sqlite3.h>

#include <cmath>
#include <sstream>

#include "Numbers.h"
#include "Problems.h"
#include "Transaction.h"

namespace terrovane::archive {
const char* const kSoilCovarianceTable =
    "CREATE TABLE IF NOT EXISTS soil_model_covariance ("
    " model_id INTEGER PRIMARY KEY REFERENCES soil_models(id) ON DELETE CASCADE,"
    " log_covariance TEXT NOT NULL)";

namespace {

std::size_t Parameters(const StoredSoilModel& model) {
    return model.layers.empty() ? 0 : 2 * model.layers.size() - 1;
}

// The values in the shortest text that reads back the same, separated by spaces.
std::string CovarianceText(const std::vector<double>& values) {
    std::string text;
    for (double value : values) {
        text += (text.empty() ? "" : " ") + numbers::Shortest(value);
    }
    return text;
}

std::vector<double> CovarianceValues(const std::string& text) {
    std::vector<double> values;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const auto value = numbers::ParseDecimal(word);
        if (!value || !std::isfinite(*value)) {
            return {};
        }
        values.push_back(*value);
    }
    return values;
}

}  // namespace

Status InsertSoilCovariance(Database& db, const StoredSoilModel& model) {
    const std::size_t p = Parameters(model);
    if (model.logCovariance.size() != p * p || p == 0) {
        return Done{};  // nothing to keep: the band is then simply not drawn
    }
    for (double value : model.logCovariance) {
        if (!std::isfinite(value)) {
            return Done{};
        }
    }
    if (const int made = db.Exec(kSoilCovarianceTable); made != SQLITE_OK) {
        return LastFailure(db, made);
    }
    Statement insert;
    int rc = insert.Prepare(db,
                            "INSERT OR REPLACE INTO soil_model_covariance (model_id, log_covariance) "
                            "SELECT id, ? FROM soil_models WHERE id = ?");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    const std::string text = CovarianceText(model.logCovariance);
    insert.Bind(1, std::string_view(text));
    insert.Bind(2, model.id);
    if ((rc = insert.Step()) != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    if (sqlite3_changes(db.Handle()) == 0) {
        return Missing(kNoSoilModel, {std::to_string(model.id)});
    }
    return Done{};
}

namespace {

Result<bool> CovarianceTableExists(Database& db) {
    Statement exists;
    int rc = exists.Prepare(
        db, "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = 'soil_model_covariance'");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    if ((rc = exists.Step()) != SQLITE_ROW) {
        return LastFailure(db, rc);
    }
    return exists.Int(0) > 0;
}

Status ReadCovariance(Database& db, StoredSoilModel& model) {
    const Result<bool> present = CovarianceTableExists(db);
    if (!present || !present.Value()) {
        return present ? Status(Done{}) : Status(present.Error());
    }
    Statement select;
    int rc = select.Prepare(db, "SELECT log_covariance FROM soil_model_covariance WHERE model_id = ?");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    select.Bind(1, model.id);
    while ((rc = select.Step()) == SQLITE_ROW) {
        std::vector<double> values = CovarianceValues(select.Text(0));
        const std::size_t p = Parameters(model);
        if (values.size() == p * p) {
            model.logCovariance = std::move(values);
        }
    }
    return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
}

}  // namespace

Status LoadSoilCovariance(Archive& archive, StoredSoilModel& model) {
    model.logCovariance.clear();
    return archive.Run(Archive::Access::Read,
                       [&](Database& db) -> Status { return ReadCovariance(db, model); });
}

}  // namespace terrovane::archive
