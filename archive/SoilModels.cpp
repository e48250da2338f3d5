// Soil models kept with their site: the layers the user accepted and the sounding behind them.
#include "SoilModels.h"

#include <cmath>
#include <limits>

#include "LeftOutNotes.h"
#include "Problems.h"
#include "SiteStatements.h"
#include "SoilCovariance.h"
#include "StoredNumbers.h"

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

bool InsertLayers(Database& db, const StoredSoilModel& model, std::string& error) {
    Statement insert;
    if (!Prepared(db, insert,
                  "INSERT INTO soil_model_layers (model_id, layer, resistivity_ohm_m, resistivity_sigma, "
                  "thickness_m, thickness_sigma) VALUES (?, ?, ?, ?, ?, ?)",
                  error)) {
        return false;
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
        if (!StepDone(db, insert, error)) {
            return false;
        }
    }
    return true;
}

bool InsertPoints(Database& db, const StoredSoilModel& model, std::string& error) {
    Statement insert;
    if (!Prepared(db, insert,
                  "INSERT INTO soil_model_points (model_id, ordinal, spacing_m, apparent_resistivity_ohm_m) "
                  "VALUES (?, ?, ?, ?)",
                  error)) {
        return false;
    }
    for (std::size_t i = 0; i < model.points.size(); ++i) {
        insert.Reset();
        insert.Bind(1, model.id);
        insert.Bind(2, static_cast<std::int64_t>(i));
        insert.Bind(3, model.points[i].spacing);
        insert.Bind(4, model.points[i].apparentResistivity);
        if (!StepDone(db, insert, error)) {
            return false;
        }
    }
    return true;
}

bool LoadLayersAndPoints(Database& db, StoredSoilModel& model, std::string& error) {
    Statement layers;
    Statement points;
    if (!Prepared(db, layers,
                  "SELECT resistivity_ohm_m, resistivity_sigma, thickness_m, thickness_sigma "
                  "FROM soil_model_layers WHERE model_id = ? ORDER BY layer",
                  error) ||
        !Prepared(db, points,
                  "SELECT spacing_m, apparent_resistivity_ohm_m FROM soil_model_points WHERE model_id = ? "
                  "ORDER BY ordinal",
                  error)) {
        return false;
    }
    layers.Bind(1, model.id);
    points.Bind(1, model.id);
    return EachRow(
               db, layers,
               [&](const Statement& row) {
                   StoredSoilLayer layer{row.Real(0), SigmaAt(row, 1), OptionalReal(row, 2), {}};
                   if (layer.thickness) {
                       layer.thicknessSigma = SigmaAt(row, 3);
                   }
                   model.layers.push_back(layer);
                   return true;
               },
               error) &&
           EachRow(
               db, points,
               [&](const Statement& row) {
                   model.points.push_back({row.Real(0), row.Real(1)});
                   return true;
               },
               error) &&
           LoadLeftOutNotes(db, LeftOutOf::SoilModel, model.id, model.leftOut, error);
}

}  // namespace

std::string SoilModelProblem(const StoredSoilModel& model) {
    if (model.layers.empty() || model.layers.size() > kMaxStoredLayers) {
        return "a soil model has 1 to " + std::to_string(kMaxStoredLayers) + " layers";
    }
    for (std::size_t i = 0; i < model.layers.size(); ++i) {
        const StoredSoilLayer& layer = model.layers[i];
        const bool last = i + 1 == model.layers.size();
        const std::string which = "layer " + std::to_string(i + 1);
        if (!Positive(layer.resistivity) || !SigmaOk(layer.resistivitySigma)) {
            return which + ": a resistivity is a number above 0 with a sigma not below 0";
        }
        if (last != !layer.thickness.has_value()) {
            return which + (last ? ": the last layer has no thickness"
                                 : ": every layer but the last has a thickness");
        }
        if (layer.thickness && (!Positive(*layer.thickness) || !SigmaOk(layer.thicknessSigma.value_or(0)))) {
            return which + ": a thickness is a number above 0 with a sigma not below 0";
        }
    }
    for (std::size_t i = 0; i < model.points.size(); ++i) {
        if (!Positive(model.points[i].spacing) || !Positive(model.points[i].apparentResistivity)) {
            return "point " + std::to_string(i + 1) + ": a spacing and a resistivity are numbers above 0";
        }
    }
    if (!(std::isfinite(model.rmsPercent) && model.rmsPercent >= 0)) {
        return "the RMS error is a number not below 0";
    }
    return {};
}

bool StoreSoilModel(Archive& archive, StoredSoilModel& model, std::string& error) {
    if (const std::string problem = SoilModelProblem(model); !problem.empty()) {
        error = problem;
        return false;
    }
    const std::string savedAt = NowIso8601();
    std::int64_t id = 0;
    const bool stored = InTransaction(
        archive,
        [&](Database& db, std::string& failure) {
            Statement insert;
            if (!Prepared(db, insert,
                          "INSERT INTO soil_models (site_id, saved_at, layer_choice, rms_percent) "
                          "SELECT id, ?, ?, ? FROM sites WHERE id = ?",
                          failure)) {
                return false;
            }
            insert.Bind(1, std::string_view(savedAt));
            insert.Bind(2, std::string_view(model.layerChoice));
            insert.Bind(3, model.rmsPercent);
            insert.Bind(4, model.site);
            // No row was inserted when the owner named is not in the archive.
            if (!StepDone(db, insert, failure) || !Changed(db, kNoSite, model.site, failure)) {
                return false;
            }
            id = db.LastInsertId();
            StoredSoilModel withId = model;
            withId.id = id;
            return InsertLayers(db, withId, failure) && InsertPoints(db, withId, failure) &&
                   InsertSoilCovariance(db, withId, failure) &&
                   InsertLeftOutNotes(db, LeftOutOf::SoilModel, id, model.leftOut, failure);
        },
        error);
    if (stored) {
        model.id = id;
        model.savedAt = savedAt;
    }
    return stored;
}

bool SoilModels(Archive& archive, std::int64_t site, std::vector<StoredSoilModel>& out, std::string& error) {
    out.clear();
    return archive.Read(
        [&](Database& db, std::string& failure) {
            Statement models;
            if (!Prepared(db, models,
                          "SELECT id, saved_at, layer_choice, rms_percent FROM soil_models WHERE site_id = ? "
                          "ORDER BY saved_at DESC, id DESC",
                          failure)) {
                return false;
            }
            models.Bind(1, site);
            return EachRow(
                db, models,
                [&](const Statement& row) {
                    StoredSoilModel model;
                    model.id = row.Int(0);
                    model.site = site;
                    model.savedAt = row.Text(1);
                    model.layerChoice = row.Text(2);
                    model.rmsPercent = row.Real(3);
                    if (!LoadLayersAndPoints(db, model, failure)) {
                        return false;
                    }
                    out.push_back(std::move(model));
                    return true;
                },
                failure);
        },
        error);
}

bool SoilModelById(Archive& archive, std::int64_t id, StoredSoilModel& out, std::string& error) {
    bool found = false;
    const bool read = archive.Read(
        [&](Database& db, std::string& failure) {
            Statement model;
            if (!Prepared(db, model,
                          "SELECT site_id, saved_at, layer_choice, rms_percent FROM soil_models WHERE id = ?",
                          failure)) {
                return false;
            }
            model.Bind(1, id);
            return EachRow(
                db, model,
                [&](const Statement& row) {
                    out = {};
                    out.id = id;
                    out.site = row.Int(0);
                    out.savedAt = row.Text(1);
                    out.layerChoice = row.Text(2);
                    out.rmsPercent = row.Real(3);
                    found = true;
                    return LoadLayersAndPoints(db, out, failure);
                },
                failure);
        },
        error);
    if (read && !found)
        error = Problem(kNoSoilModel, {std::to_string(id)});
    return read && found;
}

bool DeleteSoilModel(Archive& archive, std::int64_t id, std::string& error) {
    return DeleteById(archive, "DELETE FROM soil_models WHERE id = ?", id, kNoSoilModel, error);
}

}  // namespace terrovane::archive
