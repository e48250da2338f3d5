// Earthing grid assessments kept with their site: one row each, its design, soil and figures in columns.
#include "GridAssessments.h"

#include <sqlite3.h>

#include <cmath>
#include <utility>
#include <variant>

#include "Problems.h"
#include "SiteStatements.h"
#include "StoredNumbers.h"
#include "Transaction.h"

namespace terrovane::archive {

const char* const kGridAssessmentsTable = R"sql(
CREATE TABLE IF NOT EXISTS grid_assessments (
    id INTEGER PRIMARY KEY,
    site_id INTEGER NOT NULL REFERENCES sites(id) ON DELETE CASCADE,
    saved_at TEXT NOT NULL,
    shape TEXT NOT NULL, length_m REAL NOT NULL, width_m REAL NOT NULL,
    conductors_lengthwise INTEGER NOT NULL, conductors_widthwise INTEGER NOT NULL,
    depth_m REAL NOT NULL, conductor_diameter_m REAL NOT NULL, cutout_length_m REAL NOT NULL,
    cutout_width_m REAL NOT NULL,
    rod_count INTEGER NOT NULL, rod_length_m REAL NOT NULL, rod_diameter_m REAL NOT NULL,
    rod_placement TEXT NOT NULL,
    surface_resistivity_ohm_m REAL, surface_thickness_m REAL,
    given_grid_current_a REAL, fault_current_a REAL NOT NULL, split_factor REAL NOT NULL,
    x_over_r REAL NOT NULL, frequency_hz REAL NOT NULL, duration_s REAL NOT NULL, body_kg INTEGER NOT NULL,
    footwear_ohm REAL NOT NULL, standing_resistance INTEGER NOT NULL, standard TEXT NOT NULL,
    soil_resistivity_ohm_m REAL NOT NULL, soil_method TEXT NOT NULL, soil_spacing_m REAL NOT NULL,
    soil_layers INTEGER NOT NULL,
    surface_factor REAL NOT NULL, tolerable_touch_v REAL NOT NULL, tolerable_step_v REAL NOT NULL,
    grid_resistance_ohm REAL NOT NULL, schwarz_resistance_ohm REAL, grid_current_a REAL NOT NULL,
    gpr_v REAL NOT NULL, mesh_voltage_v REAL NOT NULL, step_voltage_v REAL NOT NULL,
    permissible_touch_v REAL, verdict TEXT NOT NULL
);
CREATE INDEX IF NOT EXISTS grid_assessments_site ON grid_assessments(site_id, saved_at);
)sql";

namespace {

using Field = std::variant<double*, int*, bool*, std::string*, std::optional<double>*>;

// Every column after id, site and time, with the member it holds; one list for writing and reading.
std::vector<std::pair<const char*, Field>> Columns(StoredGridAssessment& a) {
    return {{"shape", &a.shape},
            {"length_m", &a.lengthM},
            {"width_m", &a.widthM},
            {"conductors_lengthwise", &a.conductorsLengthwise},
            {"conductors_widthwise", &a.conductorsWidthwise},
            {"depth_m", &a.depthM},
            {"conductor_diameter_m", &a.conductorDiameterM},
            {"cutout_length_m", &a.cutoutLengthM},
            {"cutout_width_m", &a.cutoutWidthM},
            {"rod_count", &a.rodCount},
            {"rod_length_m", &a.rodLengthM},
            {"rod_diameter_m", &a.rodDiameterM},
            {"rod_placement", &a.rodPlacement},
            {"surface_resistivity_ohm_m", &a.surfaceResistivity},
            {"surface_thickness_m", &a.surfaceThicknessM},
            {"given_grid_current_a", &a.givenGridCurrentA},
            {"fault_current_a", &a.faultCurrentA},
            {"split_factor", &a.splitFactor},
            {"x_over_r", &a.xOverR},
            {"frequency_hz", &a.frequencyHz},
            {"duration_s", &a.durationS},
            {"body_kg", &a.bodyKg},
            {"footwear_ohm", &a.footwearOhm},
            {"standing_resistance", &a.standingResistance},
            {"standard", &a.standard},
            {"soil_resistivity_ohm_m", &a.soilResistivity},
            {"soil_method", &a.soilMethod},
            {"soil_spacing_m", &a.soilSpacingM},
            {"soil_layers", &a.soilLayers},
            {"surface_factor", &a.surfaceFactor},
            {"tolerable_touch_v", &a.tolerableTouchV},
            {"tolerable_step_v", &a.tolerableStepV},
            {"grid_resistance_ohm", &a.gridResistanceOhm},
            {"schwarz_resistance_ohm", &a.schwarzResistanceOhm},
            {"grid_current_a", &a.gridCurrentA},
            {"gpr_v", &a.gprV},
            {"mesh_voltage_v", &a.meshVoltageV},
            {"step_voltage_v", &a.stepVoltageV},
            {"permissible_touch_v", &a.permissibleTouchV},
            {"verdict", &a.verdict}};
}

std::string ColumnList(StoredGridAssessment& a) {
    std::string list;
    for (const auto& [name, field] : Columns(a))
        list += std::string(", ") + name;
    return list;
}

void BindField(Statement& statement, int index, const Field& field) {
    std::visit(
        [&](auto* member) {
            using T = std::remove_pointer_t<decltype(member)>;
            if constexpr (std::is_same_v<T, std::optional<double>>)
                BindOptional(statement, index, *member);
            else if constexpr (std::is_same_v<T, std::string>)
                statement.Bind(index, std::string_view(*member));
            else if constexpr (std::is_same_v<T, double>)
                statement.Bind(index, *member);
            else
                statement.Bind(index, static_cast<std::int64_t>(*member));
        },
        field);
}

void ReadField(const Statement& row, int column, const Field& field) {
    std::visit(
        [&](auto* member) {
            using T = std::remove_pointer_t<decltype(member)>;
            if constexpr (std::is_same_v<T, std::optional<double>>)
                *member = OptionalReal(row, column);
            else if constexpr (std::is_same_v<T, std::string>)
                *member = row.Text(column);
            else if constexpr (std::is_same_v<T, double>)
                *member = row.Real(column);
            else if constexpr (std::is_same_v<T, bool>)
                *member = row.Int(column) != 0;
            else
                *member = static_cast<int>(row.Int(column));
        },
        field);
}

bool Finite(const Field& field) {
    return std::visit(
        [](auto* member) {
            using T = std::remove_pointer_t<decltype(member)>;
            if constexpr (std::is_same_v<T, std::optional<double>>)
                return !member->has_value() || std::isfinite(**member);
            else if constexpr (std::is_same_v<T, double>)
                return std::isfinite(*member);
            else
                return true;
        },
        field);
}

Status InsertAssessment(Database& db, StoredGridAssessment& row) {
    const auto columns = Columns(row);
    std::string values = "?, ?";
    for (std::size_t i = 0; i < columns.size(); ++i)
        values += ", ?";
    Statement insert;
    int rc = insert.Prepare(db, "INSERT INTO grid_assessments (site_id, saved_at" + ColumnList(row) +
                                    ") SELECT id, " + values.substr(3) + " FROM sites WHERE id = ?");
    if (rc != SQLITE_OK)
        return LastFailure(db, rc);
    int index = 1;
    insert.Bind(index++, std::string_view(row.savedAt));
    for (const auto& [name, field] : columns)
        BindField(insert, index++, field);
    insert.Bind(index, row.site);
    if ((rc = insert.Step()) != SQLITE_DONE)
        return LastFailure(db, rc);
    // No row was inserted when the site named is not in the archive.
    if (sqlite3_changes(db.Handle()) == 0)
        return Missing(kNoSite, {std::to_string(row.site)});
    row.id = db.LastInsertId();
    return Done{};
}

Status ReadAssessments(Database& db, std::int64_t site, std::vector<StoredGridAssessment>& out) {
    StoredGridAssessment shape;
    Statement query;
    int rc =
        query.Prepare(db, "SELECT id, saved_at" + ColumnList(shape) +
                              " FROM grid_assessments WHERE site_id = ? ORDER BY saved_at DESC, id DESC");
    if (rc != SQLITE_OK)
        return LastFailure(db, rc);
    query.Bind(1, site);
    while ((rc = query.Step()) == SQLITE_ROW) {
        StoredGridAssessment a;
        a.id = query.Int(0);
        a.site = site;
        a.savedAt = query.Text(1);
        int column = 2;
        for (const auto& [name, field] : Columns(a))
            ReadField(query, column++, field);
        out.push_back(std::move(a));
    }
    return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
}

}  // namespace

std::optional<Failure> GridAssessmentProblem(const StoredGridAssessment& assessment) {
    StoredGridAssessment a = assessment;
    for (const auto& [name, field] : Columns(a))
        if (!Finite(field))
            return Refused(kGridFieldNotANumber, {name});
    if (a.shape.empty() || a.rodPlacement.empty() || a.standard.empty() || a.soilMethod.empty() ||
        a.verdict.empty())
        return Refused(kGridNamesMissing);
    if (!Positive(a.lengthM) || !Positive(a.widthM) || !Positive(a.depthM) ||
        !Positive(a.conductorDiameterM) || a.conductorsLengthwise < 2 || a.conductorsWidthwise < 2 ||
        !Positive(a.soilResistivity) || !Positive(a.durationS))
        return Refused(kGridSizesNotPositive);
    if (a.surfaceResistivity.has_value() != a.surfaceThicknessM.has_value())
        return Refused(kSurfaceLayerHalf);
    return std::nullopt;
}

Status StoreGridAssessment(Archive& archive, StoredGridAssessment& assessment) {
    if (std::optional<Failure> problem = GridAssessmentProblem(assessment))
        return *problem;
    StoredGridAssessment row = assessment;
    row.savedAt = NowIso8601();
    const Status stored = archive.Run(Archive::Access::Write,
                                      [&](Database& db) -> Status { return InsertAssessment(db, row); });
    if (stored) {
        assessment.id = row.id;
        assessment.savedAt = row.savedAt;
    }
    return stored;
}

Result<std::vector<StoredGridAssessment>> GridAssessments(Archive& archive, std::int64_t site) {
    std::vector<StoredGridAssessment> assessments;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        return ReadAssessments(db, site, assessments);
    });
    if (!read)
        return read.Error();
    return assessments;
}

Status DeleteGridAssessment(Archive& archive, std::int64_t id) {
    return DeleteById(archive, "DELETE FROM grid_assessments WHERE id = ?", id, kNoGridAssessment);
}

}  // namespace terrovane::archive
