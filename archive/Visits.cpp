// The visits of a site and the results assigned to them.
#include "Visits.h"

#include <sqlite3.h>

#include <chrono>
#include <cmath>

#include "DateDigits.h"
#include "Json.h"
#include "Problems.h"
#include "SiteStatements.h"
#include "Transaction.h"
#include "Utf8Text.h"

namespace terrovane::archive {
namespace {

constexpr std::size_t kMostNoteCharacters = 2000;
constexpr std::size_t kMostTextCharacters = 200;
constexpr double kColdestAir = -80;
constexpr double kHottestAir = 70;

std::size_t CharactersOf(const std::string& text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

bool TextTooLong(const Visit& visit) {
    if (CharactersOf(visit.notes) > kMostNoteCharacters) {
        return true;
    }
    for (const std::string* text : {&visit.by, &visit.weather}) {
        if (CharactersOf(*text) > kMostTextCharacters) {
            return true;
        }
    }
    for (const VisitInstrument& instrument : visit.instruments) {
        if (CharactersOf(instrument.name) > kMostTextCharacters ||
            CharactersOf(instrument.serial) > kMostTextCharacters) {
            return true;
        }
    }
    return false;
}

// Why the visit cannot be kept; empty when it can.
[[nodiscard]] std::optional<Failure> VisitProblem(const Visit& visit) {
    if (!IsCalendarDate(visit.date)) {
        return Refused(kVisitDateNotADate, {visit.date});
    }
    for (const VisitInstrument& instrument : visit.instruments) {
        if (TrimmedName(instrument.name).empty() && TrimmedName(instrument.serial).empty()) {
            return Refused(kInstrumentNeedsName);
        }
        if (!instrument.calibrationDue.empty() && !IsCalendarDate(instrument.calibrationDue)) {
            return Refused(kCalibrationNotADate, {instrument.calibrationDue});
        }
    }
    if (visit.airTemperature &&
        !(*visit.airTemperature >= kColdestAir && *visit.airTemperature <= kHottestAir)) {
        return Refused(kAirTemperatureOutOfRange);
    }
    if (TextTooLong(visit)) {
        return Refused(kVisitTextTooLong,
                       {std::to_string(kMostNoteCharacters), std::to_string(kMostTextCharacters)});
    }
    return {};
}

std::string InstrumentsJson(const std::vector<VisitInstrument>& instruments) {
    numbers::Json list = numbers::Json::array();
    for (const VisitInstrument& instrument : instruments) {
        list.push_back({{"name", ValidUtf8(TrimmedName(instrument.name))},
                        {"serial", ValidUtf8(TrimmedName(instrument.serial))},
                        {"calibration_due", instrument.calibrationDue}});
    }
    return list.dump();
}

// What the column holds; a list another program wrote wrongly reads as the instruments it can make out.
std::vector<VisitInstrument> InstrumentsOf(const std::string& text) {
    std::vector<VisitInstrument> instruments;
    const numbers::Json list = numbers::Json::parse(text, nullptr, false);
    if (!list.is_array()) {
        return instruments;
    }
    const auto member = [](const numbers::Json& item, const char* name) {
        const auto found = item.find(name);
        return found != item.end() && found->is_string() ? found->get<std::string>() : std::string();
    };
    for (const numbers::Json& item : list) {
        if (item.is_object()) {
            instruments.push_back(
                {member(item, "name"), member(item, "serial"), member(item, "calibration_due")});
        }
    }
    return instruments;
}

constexpr const char* kVisitColumns =
    "SELECT id, site_id, visited_on, visited_by, instruments, weather, air_temperature, soil, notes FROM "
    "visits";

Visit ReadVisit(const Statement& row) {
    Visit visit;
    visit.id = row.Int(0);
    visit.site = row.Int(1);
    visit.date = row.Text(2);
    visit.by = row.Text(3);
    visit.instruments = InstrumentsOf(row.Text(4));
    visit.weather = row.Text(5);
    visit.airTemperature = OptionalReal(row, 6);
    visit.soil = ParseSoil(row.Text(7)).value_or(SoilCondition::Unknown);
    visit.notes = row.Text(8);
    return visit;
}

// Binds date, by, instruments, weather, temperature, soil and notes from parameter 1 on.
void BindVisit(Statement& statement, const Visit& visit) {
    statement.Bind(1, std::string_view(visit.date));
    const std::string by = ValidUtf8(TrimmedName(visit.by));
    statement.Bind(2, std::string_view(by));
    const std::string instruments = InstrumentsJson(visit.instruments);
    statement.Bind(3, std::string_view(instruments));
    const std::string weather = ValidUtf8(TrimmedName(visit.weather));
    statement.Bind(4, std::string_view(weather));
    BindOptional(statement, 5, visit.airTemperature);
    const std::string soil = SoilWord(visit.soil);
    soil.empty() ? statement.BindNull(6) : statement.Bind(6, std::string_view(soil));
    const std::string notes = ValidUtf8(visit.notes);
    statement.Bind(7, std::string_view(notes));
}

// Runs one statement whose last parameter is an id; refused as `missing` when it changed no row.
Status ChangeOne(Database& db, Statement& statement, const char* missing, std::int64_t id) {
    const int rc = statement.Step();
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    if (sqlite3_changes(db.Handle()) == 0) {
        return Missing(missing, {std::to_string(id)});
    }
    return Done{};
}

Result<std::vector<Visit>> VisitsOf(Database& db, Statement& query) {
    std::vector<Visit> visits;
    int rc = SQLITE_OK;
    while ((rc = query.Step()) == SQLITE_ROW) {
        visits.push_back(ReadVisit(query));
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return visits;
}

// The site of the visit, refused when there is no such visit.
Result<std::int64_t> SiteOfVisit(Database& db, std::int64_t visit) {
    Statement query;
    int rc = query.Prepare(db, "SELECT site_id FROM visits WHERE id = ?");
    if (rc == SQLITE_OK) {
        query.Bind(1, visit);
        rc = query.Step();
    }
    if (rc == SQLITE_ROW) {
        return query.Int(0);
    }
    if (rc == SQLITE_DONE) {
        return Missing(kNoVisit, {std::to_string(visit)});
    }
    return LastFailure(db, rc);
}

// Sets one result's visit after checking that its point is of the visit's site (any result when leaving).
Status SetResultVisit(Database& db, std::int64_t result, std::optional<std::int64_t> visit,
                      std::int64_t visitSite) {
    Statement check;
    int rc = check.Prepare(
        db, "SELECT p.site_id FROM results r LEFT JOIN points p ON p.id = r.point_id WHERE r.id = ?");
    if (rc == SQLITE_OK) {
        check.Bind(1, result);
        rc = check.Step();
    }
    if (rc == SQLITE_DONE) {
        return Missing(kNoResult, {std::to_string(result)});
    }
    if (rc != SQLITE_ROW) {
        return LastFailure(db, rc);
    }
    if (visit && (check.IsNull(0) || check.Int(0) != visitSite)) {
        return Refused(kResultNotAtVisitSite, {std::to_string(result)});
    }
    Statement update;
    // Only a change is written, so assigning a result again to its visit sends nothing to the team.
    rc = update.Prepare(db, "UPDATE results SET visit_id = ?1 WHERE id = ?2 AND visit_id IS NOT ?1");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    visit ? update.Bind(1, *visit) : update.BindNull(1);
    update.Bind(2, result);
    rc = update.Step();
    return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
}

// Puts one typed result (by any version's id) into the visit, or out of its visit, after checking that its
// newest version's point is of the visit's site.
Status SetTypedVisit(Database& db, std::int64_t typed, std::optional<std::int64_t> visit,
                     std::int64_t visitSite) {
    Statement check;
    int rc = check.Prepare(db,
                           "SELECT t.first_version, p.site_id FROM typed_results v JOIN typed_results t ON "
                           "t.first_version = v.first_version AND NOT EXISTS (SELECT 1 FROM typed_results c "
                           "WHERE c.replaces = t.id) LEFT JOIN points p ON p.id = t.point_id WHERE v.id = ?");
    if (rc == SQLITE_OK) {
        check.Bind(1, typed);
        rc = check.Step();
    }
    if (rc == SQLITE_DONE) {
        return Missing(kNoTypedResult, {std::to_string(typed)});
    }
    if (rc != SQLITE_ROW) {
        return LastFailure(db, rc);
    }
    if (visit && (check.IsNull(1) || check.Int(1) != visitSite)) {
        return Refused(kTypedNotAtVisitSite, {std::to_string(typed)});
    }
    const std::string firstVersion = check.Text(0);
    Statement change;
    rc = change.Prepare(
        db, visit ? "INSERT OR REPLACE INTO typed_visits (first_version, visit_id) VALUES (?1, ?2)"
                  : "DELETE FROM typed_visits WHERE first_version = ?1");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    change.Bind(1, std::string_view(firstVersion));
    if (visit) {
        change.Bind(2, *visit);
    }
    rc = change.Step();
    return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
}

}  // namespace

const char* SoilWord(SoilCondition soil) {
    switch (soil) {
        case SoilCondition::Dry:
            return "dry";
        case SoilCondition::Moist:
            return "moist";
        case SoilCondition::Wet:
            return "wet";
        case SoilCondition::Frozen:
            return "frozen";
        case SoilCondition::Unknown:
            break;
    }
    return "";
}

std::optional<SoilCondition> ParseSoil(const std::string& word) {
    for (const SoilCondition soil :
         {SoilCondition::Dry, SoilCondition::Moist, SoilCondition::Wet, SoilCondition::Frozen}) {
        if (word == SoilWord(soil)) {
            return soil;
        }
    }
    return std::nullopt;
}

bool IsCalendarDate(const std::string& text) {
    int year = 0;
    int month = 0;
    int day = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !Digits(text, 0, 4, year) ||
        !Digits(text, 5, 2, month) || !Digits(text, 8, 2, day) || year < 1900) {
        return false;
    }
    return std::chrono::year_month_day(std::chrono::year(year),
                                       std::chrono::month(static_cast<unsigned>(month)),
                                       std::chrono::day(static_cast<unsigned>(day)))
        .ok();
}

std::vector<std::size_t> PastCalibration(const Visit& visit) {
    std::vector<std::size_t> past;
    for (std::size_t i = 0; i < visit.instruments.size(); ++i) {
        const std::string& due = visit.instruments[i].calibrationDue;
        // Dates written YYYY-MM-DD compare as text; a date not understood warns of nothing.
        if (IsCalendarDate(due) && IsCalendarDate(visit.date) && due < visit.date) {
            past.push_back(i);
        }
    }
    return past;
}

Result<std::int64_t> AddVisit(Archive& archive, const Visit& visit) {
    if (const std::optional<Failure> problem = VisitProblem(visit)) {
        return *problem;
    }
    std::int64_t id = 0;
    const Status added = archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        Statement site;
        int rc = site.Prepare(db, "SELECT 1 FROM sites WHERE id = ?");
        if (rc == SQLITE_OK) {
            site.Bind(1, visit.site);
            rc = site.Step();
        }
        if (rc == SQLITE_DONE) {
            return Missing(kNoSite, {std::to_string(visit.site)});
        }
        if (rc != SQLITE_ROW) {
            return LastFailure(db, rc);
        }
        Statement insert;
        rc = insert.Prepare(
            db,
            "INSERT INTO visits (visited_on, visited_by, instruments, weather, air_temperature, "
            "soil, notes, site_id) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        BindVisit(insert, visit);
        insert.Bind(8, visit.site);
        if ((rc = insert.Step()) != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
        id = db.LastInsertId();
        return Done{};
    });
    if (!added) {
        return added.Error();
    }
    return id;
}

Status UpdateVisit(Archive& archive, const Visit& visit) {
    if (const std::optional<Failure> problem = VisitProblem(visit)) {
        return *problem;
    }
    return archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        Statement update;
        // Written only when something differs: an edit that changes nothing sends nothing to the team.
        const int rc = update.Prepare(
            db,
            "UPDATE visits SET visited_on = ?1, visited_by = ?2, instruments = ?3, weather = ?4, "
            "air_temperature = ?5, soil = ?6, notes = ?7 WHERE id = ?8 AND NOT (visited_on IS ?1 AND "
            "visited_by IS ?2 "
            "AND instruments IS ?3 AND weather IS ?4 AND air_temperature IS ?5 AND soil IS ?6 AND notes IS "
            "?7)");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        BindVisit(update, visit);
        update.Bind(8, visit.id);
        const int stepped = update.Step();
        if (stepped != SQLITE_DONE) {
            return LastFailure(db, stepped);
        }
        if (sqlite3_changes(db.Handle()) == 0) {
            const Result<std::int64_t> site = SiteOfVisit(db, visit.id);
            return site ? Status(Done{}) : Status(site.Error());
        }
        return Done{};
    });
}

Status DeleteVisit(Archive& archive, std::int64_t id) {
    return archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        Statement remove;
        const int rc = remove.Prepare(db, "DELETE FROM visits WHERE id = ?");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        remove.Bind(1, id);
        return ChangeOne(db, remove, kNoVisit, id);
    });
}

Result<Visit> VisitById(Archive& archive, std::int64_t id) {
    std::optional<Visit> found;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        const int rc = query.Prepare(db, std::string(kVisitColumns) + " WHERE id = ?");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        query.Bind(1, id);
        Result<std::vector<Visit>> visits = VisitsOf(db, query);
        if (!visits) {
            return visits.Error();
        }
        if (visits.Value().empty()) {
            return Missing(kNoVisit, {std::to_string(id)});
        }
        found = std::move(visits.Value().front());
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return std::move(*found);
}

Result<std::vector<Visit>> SiteVisits(Archive& archive, std::int64_t site, const std::string& since,
                                      const std::string& until) {
    std::vector<Visit> visits;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        const int rc = query.Prepare(db, std::string(kVisitColumns) +
                                             " WHERE site_id = ?1 AND (?2 = '' OR visited_on >= ?2) AND "
                                             "(?3 = '' OR visited_on <= ?3) ORDER BY visited_on, id");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        query.Bind(1, site);
        query.Bind(2, std::string_view(since));
        query.Bind(3, std::string_view(until));
        Result<std::vector<Visit>> found = VisitsOf(db, query);
        if (!found) {
            return found.Error();
        }
        visits = std::move(found).Value();
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return visits;
}

namespace {

// Sets each member's visit (a result's or a typed result's), all of them or none, in one unit of work.
template <typename SetVisit>
Status AssignEach(Archive& archive, const std::vector<std::int64_t>& ids, std::optional<std::int64_t> visit,
                  SetVisit setVisit) {
    return archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        std::int64_t site = 0;
        if (visit) {
            const Result<std::int64_t> found = SiteOfVisit(db, *visit);
            if (!found) {
                return found.Error();
            }
            site = found.Value();
        }
        for (const std::int64_t id : ids) {
            if (Status set = setVisit(db, id, visit, site); !set) {
                return set;
            }
        }
        return Done{};
    });
}

// The ids a query over the visit gives (its one parameter), once the visit is known to be there.
Result<std::vector<std::int64_t>> IdsOfVisit(Archive& archive, std::int64_t visit, const char* sql) {
    std::vector<std::int64_t> ids;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        if (const Result<std::int64_t> site = SiteOfVisit(db, visit); !site) {
            return site.Error();
        }
        Statement query;
        int rc = query.Prepare(db, sql);
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        query.Bind(1, visit);
        while ((rc = query.Step()) == SQLITE_ROW) {
            ids.push_back(query.Int(0));
        }
        return rc == SQLITE_DONE ? Status(Done{}) : Status(LastFailure(db, rc));
    });
    if (!read) {
        return read.Error();
    }
    return ids;
}

}  // namespace

Status AssignToVisit(Archive& archive, const std::vector<std::int64_t>& results,
                     std::optional<std::int64_t> visit) {
    return AssignEach(archive, results, visit, SetResultVisit);
}

// The results' ids as a JSON array, for one statement over all of them.
std::string IdsJson(const std::vector<std::int64_t>& ids) {
    std::string json = "[";
    for (const std::int64_t id : ids) {
        json += (json.size() > 1 ? "," : "") + std::to_string(id);
    }
    return json + "]";
}

Result<std::vector<Visit>> VisitsOnDaysOf(Archive& archive, std::int64_t site,
                                          const std::vector<std::int64_t>& results) {
    std::vector<Visit> visits;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        const int rc =
            query.Prepare(db, std::string(kVisitColumns) +
                                  " WHERE site_id = ?1 AND visited_on IN (SELECT r.measured_date FROM "
                                  "results r, json_each(?2) j WHERE r.id = j.value) ORDER BY visited_on, id");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        query.Bind(1, site);
        const std::string ids = IdsJson(results);
        query.Bind(2, std::string_view(ids));
        Result<std::vector<Visit>> found = VisitsOf(db, query);
        if (!found) {
            return found.Error();
        }
        visits = std::move(found).Value();
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return visits;
}

Result<int> AssignDayToVisit(Archive& archive, const std::vector<std::int64_t>& results, std::int64_t visit) {
    int joined = 0;
    const Status done = archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        Statement query;
        int rc =
            query.Prepare(db,
                          "SELECT r.id FROM results r, json_each(?1) j, visits v WHERE r.id = j.value AND "
                          "v.id = ?2 AND r.measured_date = v.visited_on ORDER BY r.id");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        const std::string ids = IdsJson(results);
        query.Bind(1, std::string_view(ids));
        query.Bind(2, visit);
        std::vector<std::int64_t> thatDay;
        while ((rc = query.Step()) == SQLITE_ROW) {
            thatDay.push_back(query.Int(0));
        }
        if (rc != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
        if (Status assigned = AssignToVisit(archive, thatDay, visit); !assigned) {
            return assigned;
        }
        joined = static_cast<int>(thatDay.size());
        return Done{};
    });
    if (!done) {
        return done.Error();
    }
    return joined;
}

Result<std::vector<std::int64_t>> VisitResults(Archive& archive, std::int64_t visit) {
    return IdsOfVisit(archive, visit,
                      "SELECT id FROM results WHERE visit_id = ? ORDER BY measured_on, measured_time, id");
}

Status AssignTypedToVisit(Archive& archive, const std::vector<std::int64_t>& typedResults,
                          std::optional<std::int64_t> visit) {
    return AssignEach(archive, typedResults, visit, SetTypedVisit);
}

Result<std::vector<std::int64_t>> VisitTypedResults(Archive& archive, std::int64_t visit) {
    return IdsOfVisit(
        archive, visit,
        "SELECT t.id FROM typed_visits l JOIN typed_results t ON t.first_version = "
        "l.first_version AND NOT EXISTS (SELECT 1 FROM typed_results c WHERE c.replaces = t.id) "
        "WHERE l.visit_id = ? ORDER BY t.measured_date, t.measured_time, t.id");
}

namespace {

// The visit a query finds for one member (its one parameter, a row naming the member and the visit or
// null); `missing` when the member is not there.
Result<std::optional<std::int64_t>> VisitOfMember(Archive& archive, std::int64_t id, const char* sql,
                                                  const char* missing) {
    std::optional<std::int64_t> visit;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        int rc = query.Prepare(db, sql);
        if (rc == SQLITE_OK) {
            query.Bind(1, id);
            rc = query.Step();
        }
        if (rc == SQLITE_DONE) {
            return Missing(missing, {std::to_string(id)});
        }
        if (rc != SQLITE_ROW) {
            return LastFailure(db, rc);
        }
        if (!query.IsNull(0)) {
            visit = query.Int(0);
        }
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return visit;
}

}  // namespace

Result<std::optional<std::int64_t>> VisitOfResult(Archive& archive, std::int64_t result) {
    return VisitOfMember(archive, result, "SELECT visit_id FROM results WHERE id = ?", kNoResult);
}

Result<std::optional<std::int64_t>> VisitOfTypedResult(Archive& archive, std::int64_t typed) {
    return VisitOfMember(
        archive, typed,
        "SELECT l.visit_id FROM typed_results t LEFT JOIN typed_visits l ON l.first_version = "
        "t.first_version WHERE t.id = ?",
        kNoTypedResult);
}

}  // namespace terrovane::archive
