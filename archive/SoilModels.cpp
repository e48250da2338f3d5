// Soil models kept with their site: the layers the user accepted and the sounding behind them.
#include "SoilModels.h"

#include <sqlite3.h>

#include <cmath>
#include <limits>

#include "LeftOutNotes.h"
#include "Problems.h"
#include "SiteStatements.h"
#include "SoilCovariance.h"
#include "StoredNumbers.h"
#include "Transaction.h"

namespace terrovane::archive {
namespace {

constexpr std::size_t kMaxStoredLayers = 10;

// A sigma may be infinite (undetermined) or NaN (not estimated), never negative.
bool SigmaOk(double sigma) {
    return !(sigma < 0);
}

// SQLite keeps infinity but turns NaN into NULL: NULL reads back as NaN.
double SigmaAt(const Statement& query, int column) {
    return query.IsNull(column) ? std::numeric_limits<double>::quiet_NaN() : query.Real(column);
}

Status InsertLayers(Database& db, const StoredSoilModel& model) {
    Statement insert;
    int rc = insert.Prepare(
        db,
        "INSERT INTO soil_model_layers (model_id, layer, resistivity_ohm_m, resistivity_sigma, "
        "thickness_m, thickness_sigma) VALUES (?, ?, ?, ?, ?, ?)");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    for (std::size_t i = 0; i < model.layers.size(); ++i) {
        const StoredSoilLayer& layer = model.layers[i];
        insert.Reset();
        insert.Bind(1, model.id);
        insert.Bind(2, static_cast<std::int64_t>(i));
        insert.Bind(3, layer.resistivity);
        insert.Bind(4, layer.resistivitySigma);
        BindOptional(insert, 5, layer.thickness);
        BindOptional(insert, 6, layer.thicknessSigma);
        if ((rc = insert.Step()) != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
    }
    return Done{};
}

Status InsertPoints(Database& db, const StoredSoilModel& model) {
    Statement insert;
    int rc = insert.Prepare(db,
                            "INSERT INTO soil_model_points (model_id, ordinal, spacing_m, "
                            "apparent_resistivity_ohm_m) VALUES (?, ?, ?, ?)");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    for (std::size_t i = 0; i < model.points.size(); ++i) {
        insert.Reset();
        insert.Bind(1, model.id);
        insert.Bind(2, static_cast<std::int64_t>(i));
        insert.Bind(3, model.points[i].spacing);
        insert.Bind(4, model.points[i].apparentResistivity);
        if ((rc = insert.Step()) != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
    }
    return Done{};
}

Status LoadLayers(Database& db, StoredSoilModel& model) {
    Statement query;
    int rc = query.Prepare(db,
                           "SELECT resistivity_ohm_m, resistivity_sigma, thickness_m, thickness_sigma "
                           "FROM soil_model_layers WHERE model_id = ? ORDER BY layer");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    query.Bind(1, model.id);
    while ((rc = query.Step()) == SQLITE_ROW) {
        StoredSoilLayer layer{query.Real(0), SigmaAt(query, 1), OptionalReal(query, 2), {}};
        if (layer.thickness) {
            layer.thicknessSigma = SigmaAt(query, 3);
        }
        model.layers.push_back(layer);
    }
    return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
}

Status LoadPoints(Database& db, StoredSoilModel& model) {
    Statement query;
    int rc = query.Prepare(
        db,
        "SELECT spacing_m, apparent_resistivity_ohm_m FROM soil_model_points WHERE model_id = ? "
        "ORDER BY ordinal");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    query.Bind(1, model.id);
    while ((rc = query.Step()) == SQLITE_ROW) {
        model.points.push_back({query.Real(0), query.Real(1)});
    }
    return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
}

Status LoadLayersAndPoints(Database& db, StoredSoilModel& model) {
    if (Status layers = LoadLayers(db, model); !layers) {
        return layers;
    }
    if (Status points = LoadPoints(db, model); !points) {
        return points;
    }
    Result<std::vector<std::string>> notes = LoadLeftOutNotes(db, LeftOutOf::SoilModel, model.id);
    if (!notes) {
        return notes.Error();
    }
    model.leftOut = std::move(notes).Value();
    return Done{};
}

// The models the statement selects (id, site, time, layer choice, RMS), each with its layers and points.
Status ReadModels(Database& db, Statement& query, std::vector<StoredSoilModel>& out) {
    int rc = SQLITE_OK;
    while ((rc = query.Step()) == SQLITE_ROW) {
        StoredSoilModel model;
        model.id = query.Int(0);
        model.site = query.Int(1);
        model.savedAt = query.Text(2);
        model.layerChoice = query.Text(3);
        model.rmsPercent = query.Real(4);
        out.push_back(std::move(model));
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    for (StoredSoilModel& model : out) {
        if (Status loaded = LoadLayersAndPoints(db, model); !loaded) {
            return loaded;
        }
    }
    return Done{};
}

Result<std::vector<StoredSoilModel>> SelectModels(Archive& archive, const char* where, std::int64_t key) {
    std::vector<StoredSoilModel> models;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        const int rc = query.Prepare(
            db,
            std::string("SELECT id, site_id, saved_at, layer_choice, rms_percent FROM soil_models") + where);
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        query.Bind(1, key);
        return ReadModels(db, query, models);
    });
    if (!read) {
        return read.Error();
    }
    return models;
}

[[nodiscard]] std::optional<Failure> LayerProblem(const StoredSoilLayer& layer, std::size_t index,
                                                  bool last) {
    const std::string which = std::to_string(index + 1);
    if (!Positive(layer.resistivity) || !SigmaOk(layer.resistivitySigma)) {
        return Refused(kLayerResistivity, {which});
    }
    if (last != !layer.thickness.has_value()) {
        return Refused(last ? kLastLayerThickness : kLayerNeedsThickness, {which});
    }
    if (layer.thickness && (!Positive(*layer.thickness) || !SigmaOk(layer.thicknessSigma.value_or(0)))) {
        return Refused(kLayerThickness, {which});
    }
    return std::nullopt;
}

Status InsertModel(Database& db, StoredSoilModel& model, const std::string& savedAt) {
    Statement insert;
    int rc = insert.Prepare(db,
                            "INSERT INTO soil_models (site_id, saved_at, layer_choice, rms_percent) "
                            "SELECT id, ?, ?, ? FROM sites WHERE id = ?");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    insert.Bind(1, std::string_view(savedAt));
    insert.Bind(2, std::string_view(model.layerChoice));
    insert.Bind(3, model.rmsPercent);
    insert.Bind(4, model.site);
    if ((rc = insert.Step()) != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    // No row was inserted when the owner named is not in the archive.
    if (sqlite3_changes(db.Handle()) == 0) {
        return Missing(kNoSite, {std::to_string(model.site)});
    }
    model.id = db.LastInsertId();
    if (Status layers = InsertLayers(db, model); !layers) {
        return layers;
    }
    if (Status points = InsertPoints(db, model); !points) {
        return points;
    }
    if (Status covariance = InsertSoilCovariance(db, model); !covariance) {
        return covariance;
    }
    return InsertLeftOutNotes(db, LeftOutOf::SoilModel, model.id, model.leftOut);
}

}  // namespace

std::optional<Failure> SoilModelProblem(const StoredSoilModel& model) {
    if (model.layers.empty() || model.layers.size() > kMaxStoredLayers) {
        return Refused(kSoilModelLayers, {std::to_string(kMaxStoredLayers)});
    }
    for (std::size_t i = 0; i < model.layers.size(); ++i) {
        if (std::optional<Failure> problem = LayerProblem(model.layers[i], i, i + 1 == model.layers.size())) {
            return problem;
        }
    }
    for (std::size_t i = 0; i < model.points.size(); ++i) {
        if (!Positive(model.points[i].spacing) || !Positive(model.points[i].apparentResistivity)) {
            return Refused(kSoundingPointNotPositive, {std::to_string(i + 1)});
        }
    }
    if (!(std::isfinite(model.rmsPercent) && model.rmsPercent >= 0)) {
        return Refused(kRmsNegative);
    }
    return std::nullopt;
}

Status StoreSoilModel(Archive& archive, StoredSoilModel& model) {
    if (std::optional<Failure> problem = SoilModelProblem(model)) {
        return *problem;
    }
    const std::string savedAt = NowIso8601();
    StoredSoilModel stored = model;
    const Status done = archive.Run(Archive::Access::Write,
                                    [&](Database& db) -> Status { return InsertModel(db, stored, savedAt); });
    if (done) {
        model.id = stored.id;
        model.savedAt = savedAt;
    }
    return done;
}

Result<std::vector<StoredSoilModel>> SoilModels(Archive& archive, std::int64_t site) {
    return SelectModels(archive, " WHERE site_id = ? ORDER BY saved_at DESC, id DESC", site);
}

Result<StoredSoilModel> SoilModelById(Archive& archive, std::int64_t id) {
    Result<std::vector<StoredSoilModel>> found = SelectModels(archive, " WHERE id = ?", id);
    if (!found) {
        return found.Error();
    }
    if (found.Value().empty()) {
        return Missing(kNoSoilModel, {std::to_string(id)});
    }
    return std::move(found.Value().front());
}

Status DeleteSoilModel(Archive& archive, std::int64_t id) {
    return DeleteById(archive, "DELETE FROM soil_models WHERE id = ?", id, kNoSoilModel);
}

}  // namespace terrovane::archive
