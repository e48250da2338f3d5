// Results typed by hand: each a chain of versions that never change, the newest being the result.
#include "TypedResults.h"

#include <pwd.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "Due.h"
#include "Find.h"
#include "Hlc.h"
#include "Problems.h"
#include "SiteStatements.h"
#include "Transaction.h"
#include "TypedMethods.h"
#include "TypedResultWriter.h"

namespace terrovane::archive {
namespace {

// Enough for a make, model and serial or a few sentences; a file of megabytes is no note.
constexpr std::size_t kMostCharacters = 2000;

std::string MethodList() {
    std::string list;
    for (const TypedMethod& method : TypedMethods()) {
        list += (list.empty() ? "" : ", ") + std::string(method.code);
    }
    return list;
}

std::string Joined(const std::vector<const char*>& names) {
    std::string list;
    for (const char* name : names) {
        list += (list.empty() ? "" : ", ") + std::string(name);
    }
    return list;
}

bool TwoDigits(const std::string& text, std::size_t at, int low, int high) {
    if (text[at] < '0' || text[at] > '9' || text[at + 1] < '0' || text[at + 1] > '9') {
        return false;
    }
    const int value = (text[at] - '0') * 10 + (text[at + 1] - '0');
    return value >= low && value <= high;
}

// "YYYY-MM-DD HH:MM" of a day that exists.
bool IsMeasuringMinute(const std::string& text) {
    return text.size() == 16 && text[10] == ' ' && text[13] == ':' &&
           AddMonths(text.substr(0, 10), 0) == text.substr(0, 10) && TwoDigits(text, 11, 0, 23) &&
           TwoDigits(text, 14, 0, 59);
}

[[nodiscard]] std::optional<Failure> ValuesProblem(const TypedMethod& method,
                                                   const std::vector<TypedValue>& values) {
    std::set<std::string> seen;
    for (const TypedValue& value : values) {
        if (std::find_if(method.values.begin(), method.values.end(),
                         [&](const char* name) { return value.name == name; }) == method.values.end()) {
            return Refused(kValueNotOfMethod, {method.code, value.name, Joined(method.values)});
        }
        if (!seen.insert(value.name).second) {
            return Refused(kValueTwice, {value.name});
        }
        // A value that did not come through the parser (a window, a peer) is checked all the same.
        if (!std::isfinite(value.number) || value.number < 0) {
            return Refused(kValueNegative, {value.name});
        }
    }
    if (seen.count(method.mainValue) == 0) {
        return Refused(kMainValueMissing, {method.code, method.mainValue});
    }
    return {};
}

constexpr const char* kVersionColumns =
    "SELECT t.id, t.uuid, t.first_version, t.replaces, (SELECT c.id FROM typed_results c WHERE c.replaces = "
    "t.id), t.point_id, s.name, p.name, coalesce(p.limit_ohm, s.limit_ohm), CASE WHEN p.limit_ohm IS NULL "
    "THEN s.limit_source ELSE p.limit_source END, t.method, t.measured_date, t.measured_time, t.instrument, "
    "t.measured_by, t.note, t.typed_by, t.typed_at FROM typed_results t LEFT JOIN points p ON p.id = "
    "t.point_id LEFT JOIN sites s ON s.id = p.site_id";

TypedResultVersion VersionAt(const Statement& row) {
    TypedResultVersion version;
    version.id = row.Int(0);
    version.uuid = row.Text(1);
    version.firstVersion = row.Text(2);
    if (!row.IsNull(3)) {
        version.replaces = row.Int(3);
    }
    if (!row.IsNull(4)) {
        version.replacedBy = row.Int(4);
    }
    if (!row.IsNull(5)) {
        version.point = row.Int(5);
        version.fields.point = row.Int(5);
    }
    version.site = row.Text(6);
    version.pointName = row.Text(7);
    version.limit = LimitAt(row, 8);
    version.fields.method = row.Text(10);
    version.date = row.Text(11);
    version.time = row.Text(12);
    version.fields.measured = version.date + " " + version.time.substr(0, 5);
    version.fields.instrument = row.Text(13);
    version.fields.measuredBy = row.Text(14);
    version.fields.note = row.Text(15);
    version.fields.typedBy = row.Text(16);
    version.typedAt = row.Text(17);
    return version;
}

Status ReadValues(Database& db, std::vector<TypedResultVersion>& versions) {
    Statement query;
    int rc = query.Prepare(
        db, "SELECT name, value, over_range_bound FROM typed_values WHERE version_id = ? ORDER BY ordinal");
    for (TypedResultVersion& version : versions) {
        if (rc != SQLITE_OK) {
            break;
        }
        query.Reset();
        query.Bind(1, version.id);
        while ((rc = query.Step()) == SQLITE_ROW) {
            const bool over = query.IsNull(1);
            version.fields.values.push_back({query.Text(0), query.Real(over ? 2 : 1), over});
        }
        rc = rc == SQLITE_DONE ? SQLITE_OK : rc;
    }
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    return Done{};
}

// The versions the statement selects, with their values.
Status ReadVersions(Database& db, Statement& query, std::vector<TypedResultVersion>& out) {
    int rc = SQLITE_OK;
    while ((rc = query.Step()) == SQLITE_ROW) {
        out.push_back(VersionAt(query));
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return ReadValues(db, out);
}

Status CheckPoint(Database& db, std::int64_t point) {
    Statement query;
    int rc = query.Prepare(db, "SELECT 1 FROM points WHERE id = ?");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    query.Bind(1, point);
    rc = query.Step();
    if (rc == SQLITE_ROW) {
        return Done{};
    }
    return rc == SQLITE_DONE ? Status(Missing(kNoPoint, {std::to_string(point)}))
                             : Status(LastFailure(db, rc));
}

// Inserts one version (its values too); `first` is the chain's first uuid, empty for a new result.
Result<std::int64_t> InsertVersion(Database& db, const TypedResultFields& fields,
                                   std::optional<std::int64_t> replaces, const std::string& first) {
    TypedResultWriter writer(db);
    return writer.Insert(fields, replaces, first);
}

Result<TypedResultVersion> VersionIn(Database& db, std::int64_t id) {
    Statement query;
    if (const int rc = query.Prepare(db, std::string(kVersionColumns) + " WHERE t.id = ?"); rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    query.Bind(1, id);
    std::vector<TypedResultVersion> found;
    if (Status read = ReadVersions(db, query, found); !read) {
        return read.Error();
    }
    if (found.empty()) {
        return Missing(kNoTypedResult, {std::to_string(id)});
    }
    return std::move(found.front());
}

}  // namespace

std::string TypingAccount() {
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr) {
        return found->pw_name;
    }
    return "uid " + std::to_string(getuid());
}

std::string NowMinute() {
    std::string now = NowIso8601().substr(0, 16);
    now[10] = ' ';
    return now;
}

std::optional<Failure> TypedResultProblem(const TypedResultFields& fields, const std::string& now) {
    const TypedMethod* method = FindTypedMethod(fields.method);
    if (method == nullptr) {
        return Refused(kUnknownMethod, {fields.method, MethodList()});
    }
    if (const std::optional<Failure> problem = ValuesProblem(*method, fields.values)) {
        return problem;
    }
    if (!IsMeasuringMinute(fields.measured)) {
        return Refused(kMeasuredNotADate, {fields.measured});
    }
    if (fields.measured > now) {
        return Refused(kMeasuredInFuture, {fields.measured});
    }
    for (const std::string* text : {&fields.instrument, &fields.measuredBy, &fields.note, &fields.typedBy}) {
        if (text->size() > kMostCharacters) {
            return Refused(kTypedTextTooLong, {std::to_string(kMostCharacters)});
        }
    }
    return {};
}

Result<std::int64_t> AddTypedResult(Archive& archive, const TypedResultFields& fields) {
    if (const std::optional<Failure> problem = TypedResultProblem(fields, NowMinute())) {
        return *problem;
    }
    std::int64_t id = 0;
    const Status stored = archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        if (Status point = CheckPoint(db, fields.point); !point) {
            return point;
        }
        Result<std::int64_t> inserted = InsertVersion(db, fields, std::nullopt, {});
        if (!inserted) {
            return inserted.Error();
        }
        id = inserted.Value();
        return Done{};
    });
    if (!stored) {
        return stored.Error();
    }
    return id;
}

Result<std::int64_t> CorrectTypedResult(Archive& archive, std::int64_t id, const TypedResultFields& fields) {
    if (const std::optional<Failure> problem = TypedResultProblem(fields, NowMinute())) {
        return *problem;
    }
    std::int64_t made = 0;
    const Status stored = archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        Result<TypedResultVersion> old = VersionIn(db, id);
        if (!old) {
            return old.Error();
        }
        if (old.Value().replacedBy) {
            return Refused(kAlreadyCorrected, {std::to_string(id), std::to_string(*old.Value().replacedBy)});
        }
        if (Status point = CheckPoint(db, fields.point); !point) {
            return point;
        }
        Result<std::int64_t> inserted = InsertVersion(db, fields, id, old.Value().firstVersion);
        if (!inserted) {
            return inserted.Error();
        }
        made = inserted.Value();
        return Done{};
    });
    if (!stored) {
        return stored.Error();
    }
    return made;
}

Result<TypedResultVersion> TypedResultById(Archive& archive, std::int64_t id) {
    std::optional<TypedResultVersion> found;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Result<TypedResultVersion> version = VersionIn(db, id);
        if (!version) {
            return version.Error();
        }
        found = std::move(version.Value());
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return std::move(*found);
}

Result<std::vector<TypedResultVersion>> TypedResultHistory(Archive& archive, std::int64_t id) {
    std::vector<TypedResultVersion> versions;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        const std::string sql =
            std::string(kVersionColumns) +
            " WHERE t.first_version = (SELECT first_version FROM typed_results WHERE id = ?)"
            " ORDER BY t.id DESC";
        if (const int rc = query.Prepare(db, sql); rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        query.Bind(1, id);
        if (Status done = ReadVersions(db, query, versions); !done) {
            return done;
        }
        return versions.empty() ? Status(Missing(kNoTypedResult, {std::to_string(id)})) : Done{};
    });
    if (!read) {
        return read.Error();
    }
    return versions;
}

Result<std::vector<TypedResultVersion>> TypedResults(Archive& archive, const ResultFilter& filter) {
    std::vector<TypedResultVersion> versions;
    if (filter.mode || filter.labelContains || filter.labelIs || filter.readout) {
        return versions;
    }
    std::string where = " WHERE NOT EXISTS (SELECT 1 FROM typed_results c WHERE c.replaces = t.id)";
    std::vector<std::string> texts;
    const auto text = [&](const std::optional<std::string>& value, const char* condition) {
        if (value) {
            where += condition;
            texts.push_back(*value);
        }
    };
    text(filter.since, " AND t.measured_date >= ?");
    text(filter.until, " AND t.measured_date <= ?");
    text(filter.site, " AND s.name = ?");
    text(filter.point, " AND p.name = ?");
    // Ids are numbers the program made, never text a person typed.
    if (filter.siteId) {
        where += " AND p.site_id = " + std::to_string(*filter.siteId);
    }
    if (filter.pointId) {
        where += " AND t.point_id = " + std::to_string(*filter.pointId);
    }
    if (filter.unassigned) {
        where += " AND t.point_id IS NULL";
    }
    // Words searched narrow the typed results as they narrow the read-outs' results; the search's own
    // values are bound first, as its table expression leads the statement.
    FindSql found;
    if (filter.search && !filter.search->empty()) {
        found = FindHitsCte(*filter.search);
        where += std::string(" AND ") + kTypedFoundTerm;
        texts.insert(texts.begin(), found.values.begin(), found.values.end());
    }
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        const std::string sql = found.sql + std::string(kVersionColumns) + where +
                                " ORDER BY t.measured_date DESC, t.measured_time DESC, t.id DESC";
        if (const int rc = query.Prepare(db, sql); rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        for (std::size_t i = 0; i < texts.size(); ++i) {
            query.Bind(static_cast<int>(i + 1), std::string_view(texts[i]));
        }
        return ReadVersions(db, query, versions);
    });
    if (!read) {
        return read.Error();
    }
    return versions;
}

}  // namespace terrovane::archive
