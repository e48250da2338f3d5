#include "SchemaV4.h"

namespace terrovane::archive {

// Only new tables: a file of layout 3 keeps every row it had. A stored soil model keeps the layers the user
// accepted (a later program may fit differently) and the sounding it was fitted to; a fall-of-potential
// curve keeps its readings and the current-probe distance, from which its values are computed again.
// Both go with their site or point when that is deleted; the results they came from never do.
const char* const kLayout4 = R"sql(
CREATE TABLE soil_models (
    id INTEGER PRIMARY KEY,
    site_id INTEGER NOT NULL REFERENCES sites(id) ON DELETE CASCADE,
    saved_at TEXT NOT NULL,
    layer_choice TEXT NOT NULL,
    rms_percent REAL NOT NULL
);
CREATE INDEX soil_models_site ON soil_models(site_id, saved_at);
CREATE TABLE soil_model_layers (
    model_id INTEGER NOT NULL REFERENCES soil_models(id) ON DELETE CASCADE,
    layer INTEGER NOT NULL,
    resistivity_ohm_m REAL NOT NULL,
    resistivity_sigma REAL,
    thickness_m REAL,
    thickness_sigma REAL,
    PRIMARY KEY (model_id, layer)
) WITHOUT ROWID;
CREATE TABLE soil_model_points (
    model_id INTEGER NOT NULL REFERENCES soil_models(id) ON DELETE CASCADE,
    ordinal INTEGER NOT NULL,
    spacing_m REAL NOT NULL,
    apparent_resistivity_ohm_m REAL NOT NULL,
    PRIMARY KEY (model_id, ordinal)
) WITHOUT ROWID;
CREATE TABLE fop_curves (
    id INTEGER PRIMARY KEY,
    point_id INTEGER NOT NULL REFERENCES points(id) ON DELETE CASCADE,
    saved_at TEXT NOT NULL,
    current_probe_m REAL NOT NULL
);
CREATE INDEX fop_curves_point ON fop_curves(point_id, saved_at);
CREATE TABLE fop_readings (
    curve_id INTEGER NOT NULL REFERENCES fop_curves(id) ON DELETE CASCADE,
    ordinal INTEGER NOT NULL,
    potential_probe_m REAL NOT NULL,
    resistance_ohm REAL NOT NULL,
    result_id INTEGER REFERENCES results(id) ON DELETE SET NULL,
    PRIMARY KEY (curve_id, ordinal)
) WITHOUT ROWID;
)sql";

}  // namespace terrovane::archive
