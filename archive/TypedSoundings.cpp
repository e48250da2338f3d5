// Soil soundings typed by hand, kept with their site as they were measured.
#include "TypedSoundings.h"

#include <sqlite3.h>

#include <cmath>

#include "Numbers.h"
#include "Problems.h"
#include "Transaction.h"
#include "TypedResults.h"
#include "TypedValue.h"

namespace terrovane::archive {
namespace {

constexpr const char* kSoundingColumns =
    "SELECT t.id, t.site_id, s.name, t.electrode_array, t.quantity, t.measured_date, t.measured_time, "
    "t.instrument, t.measured_by, t.note, t.typed_by, t.typed_at FROM typed_soundings t "
    "JOIN sites s ON s.id = t.site_id";

Status InsertSounding(Database& db, const TypedSounding& sounding, std::int64_t& id) {
    Statement insert;
    int rc = insert.Prepare(db,
                            "INSERT INTO typed_soundings (site_id, electrode_array, quantity, measured_date, "
                            "measured_time, instrument, measured_by, note, typed_by, typed_at) "
                            "SELECT id, ?, ?, ?, ?, ?, ?, ?, ?, ? FROM sites WHERE id = ?");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    insert.Bind(1, std::string_view(ElectrodeArrayWord(sounding.array)));
    insert.Bind(2, std::string_view(TypedQuantityWord(sounding.quantity)));
    BindTaking(insert, 3, sounding.taking, NowIso8601());
    insert.Bind(10, sounding.site);
    if ((rc = insert.Step()) != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    // No row was inserted when the site named is not in the archive.
    if (sqlite3_changes(db.Handle()) == 0) {
        return Missing(kNoSite, {std::to_string(sounding.site)});
    }
    id = db.LastInsertId();
    Statement point;
    if ((rc = point.Prepare(db,
                            "INSERT INTO typed_sounding_points (sounding_id, ordinal, spacing_m, reading, "
                            "mn2_m) VALUES (?, ?, ?, ?, ?)")) != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    for (std::size_t i = 0; i < sounding.points.size(); ++i) {
        point.Reset();
        point.Bind(1, id);
        point.Bind(2, static_cast<std::int64_t>(i));
        point.Bind(3, sounding.points[i].spacing);
        point.Bind(4, sounding.points[i].reading);
        if (sounding.array == ElectrodeArray::Schlumberger) {
            point.Bind(5, sounding.points[i].mn2);
        } else {
            point.BindNull(5);
        }
        if ((rc = point.Step()) != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
    }
    return Done{};
}

Status ReadSoundings(Database& db, Statement& query, std::vector<TypedSounding>& out) {
    int rc = SQLITE_OK;
    while ((rc = query.Step()) == SQLITE_ROW) {
        TypedSounding sounding;
        sounding.id = query.Int(0);
        sounding.site = query.Int(1);
        sounding.siteName = query.Text(2);
        // The table's checks admit these words alone.
        sounding.array = ElectrodeArrayOf(query.Text(3)).value_or(ElectrodeArray::Wenner);
        sounding.quantity =
            query.Text(4) == "resistance" ? TypedQuantity::Resistance : TypedQuantity::Resistivity;
        sounding.taking = TakingAt(query, 5, sounding.typedAt);
        out.push_back(std::move(sounding));
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    Statement points;
    if ((rc = points.Prepare(db,
                             "SELECT spacing_m, reading, coalesce(mn2_m, 0) FROM typed_sounding_points "
                             "WHERE sounding_id = ? "
                             "ORDER BY ordinal")) != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    for (TypedSounding& sounding : out) {
        points.Reset();
        points.Bind(1, sounding.id);
        while ((rc = points.Step()) == SQLITE_ROW) {
            sounding.points.push_back({points.Real(0), points.Real(1), points.Real(2)});
        }
        if (rc != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
    }
    return Done{};
}

Result<std::vector<TypedSounding>> SelectSoundings(Archive& archive, const std::string& where,
                                                   std::int64_t key) {
    std::vector<TypedSounding> soundings;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        if (const int rc = query.Prepare(db, std::string(kSoundingColumns) + where); rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        query.Bind(1, key);
        return ReadSoundings(db, query, soundings);
    });
    if (!read) {
        return read.Error();
    }
    return soundings;
}

// A Schlumberger reading's potential electrodes stand inside its current electrodes, or no apparent
// resistivity can be worked out from it.
[[nodiscard]] std::optional<Failure> PotentialSpacingProblem(const TypedSounding& sounding) {
    if (sounding.array != ElectrodeArray::Schlumberger) {
        return {};
    }
    for (std::size_t i = 0; i < sounding.points.size(); ++i) {
        const TypedSoundingPoint& point = sounding.points[i];
        if (!(std::isfinite(point.mn2) && point.mn2 > 0 && point.mn2 < point.spacing)) {
            return Refused(kSchlumbergerPotentialSpacing,
                           {std::to_string(i + 1), numbers::General(point.spacing, 6)});
        }
    }
    return {};
}

}  // namespace

const char* ElectrodeArrayWord(ElectrodeArray array) {
    return array == ElectrodeArray::Wenner ? "wenner" : "schlumberger";
}

std::optional<ElectrodeArray> ElectrodeArrayOf(std::string_view word) {
    if (word == "wenner") {
        return ElectrodeArray::Wenner;
    }
    if (word == "schlumberger") {
        return ElectrodeArray::Schlumberger;
    }
    return std::nullopt;
}

std::optional<Failure> TypedSoundingProblem(const TypedSounding& sounding, const std::string& now) {
    if (sounding.quantity == TypedQuantity::Current) {
        return Refused(kUnitNotOfValue, {"A", "rho", UnitList(TypedQuantity::Resistivity)});
    }
    std::vector<std::pair<double, double>> pairs;
    for (const TypedSoundingPoint& point : sounding.points) {
        pairs.emplace_back(point.spacing, point.reading);
    }
    if (const std::optional<Failure> problem =
            TypedReadingsProblem(pairs, 2, kMostTypedReadings, kSoundingTooShort)) {
        return problem;
    }
    if (const std::optional<Failure> problem = PotentialSpacingProblem(sounding)) {
        return problem;
    }
    return TypedTakingProblem(sounding.taking, now);
}

Result<std::int64_t> AddTypedSounding(Archive& archive, const TypedSounding& sounding) {
    if (const std::optional<Failure> problem = TypedSoundingProblem(sounding, NowMinute())) {
        return *problem;
    }
    std::int64_t id = 0;
    const Status stored = archive.Run(
        Archive::Access::Write, [&](Database& db) -> Status { return InsertSounding(db, sounding, id); });
    if (!stored) {
        return stored.Error();
    }
    return id;
}

Result<std::vector<TypedSounding>> TypedSoundings(Archive& archive, std::int64_t site) {
    return SelectSoundings(
        archive, " WHERE t.site_id = ? ORDER BY t.measured_date DESC, t.measured_time DESC, t.id DESC", site);
}

Result<TypedSounding> TypedSoundingById(Archive& archive, std::int64_t id) {
    Result<std::vector<TypedSounding>> found = SelectSoundings(archive, " WHERE t.id = ?", id);
    if (!found) {
        return found.Error();
    }
    if (found.Value().empty()) {
        return Missing(kNoTypedSounding, {std::to_string(id)});
    }
    return std::move(found.Value().front());
}

}  // namespace terrovane::archive
