#include "SoilCovariance.h"

#include <cmath>
#include <sstream>

#include "Numbers.h"
#include "Problems.h"
#include "SiteStatements.h"

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

bool InsertSoilCovariance(Database& db, const StoredSoilModel& model, std::string& error) {
    const std::size_t p = Parameters(model);
    if (model.logCovariance.size() != p * p || p == 0) {
        return true;  // nothing to keep: the band is then simply not drawn
    }
    for (double value : model.logCovariance) {
        if (!std::isfinite(value)) {
            return true;
        }
    }
    if (db.Exec(kSoilCovarianceTable) != 0) {
        error = db.Error();
        return false;
    }
    Statement insert;
    if (!Prepared(db, insert,
                  "INSERT OR REPLACE INTO soil_model_covariance (model_id, log_covariance) "
                  "SELECT id, ? FROM soil_models WHERE id = ?",
                  error)) {
        return false;
    }
    const std::string text = CovarianceText(model.logCovariance);
    insert.Bind(1, std::string_view(text));
    insert.Bind(2, model.id);
    return StepDone(db, insert, error) && Changed(db, kNoSoilModel, model.id, error);
}

bool LoadSoilCovariance(Archive& archive, StoredSoilModel& model, std::string& error) {
    model.logCovariance.clear();
    return archive.Read(
        [&](Database& db, std::string& failure) {
            Statement exists;
            if (!Prepared(db, exists,
                          "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = "
                          "'soil_model_covariance'",
                          failure)) {
                return false;
            }
            bool present = false;
            if (!EachRow(
                    db, exists, [&](const Statement& row) { return (present = row.Int(0) > 0), true; },
                    failure)) {
                return false;
            }
            if (!present) {
                return true;
            }
            Statement select;
            if (!Prepared(db, select, "SELECT log_covariance FROM soil_model_covariance WHERE model_id = ?",
                          failure)) {
                return false;
            }
            select.Bind(1, model.id);
            return EachRow(
                db, select,
                [&](const Statement& row) {
                    std::vector<double> values = CovarianceValues(row.Text(0));
                    const std::size_t p = Parameters(model);
                    if (values.size() == p * p) {
                        model.logCovariance = std::move(values);
                    }
                    return true;
                },
                failure);
        },
        error);
}

}  // namespace terrovane::archive
