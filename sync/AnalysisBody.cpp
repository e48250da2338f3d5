#include "AnalysisBody.h"

#include <sqlite3.h>

#include <cmath>
#include <limits>
#include <map>
#include <set>

#include "ContentKey.h"
#include "LeftOutNotes.h"
#include "LocalSql.h"
#include "LocalState.h"
#include "Numbers.h"
#include "SoilCovariance.h"
#include "SyncIds.h"

namespace terrovane::sync {
namespace {

const std::vector<AnalysisKind>& Kinds() {
    static const std::vector<AnalysisKind> kinds = {
        {"soil_model",
         "soil_models",
         "site_id",
         {{"soil_model_layers", "model_id", "layer"},
          {"soil_model_points", "model_id", "ordinal"},
          {"soil_model_covariance", "model_id", "model_id", archive::kSoilCovarianceTable},
          {"soil_model_left_out", "owner_id", "ordinal",
           archive::LeftOutTableSql(archive::LeftOutOf::SoilModel)}}},
        {"fop_curve",
         "fop_curves",
         "point_id",
         {{"fop_readings", "curve_id", "ordinal"},
          {"fop_curve_left_out", "owner_id", "ordinal",
           archive::LeftOutTableSql(archive::LeftOutOf::FopCurve)}}},
        {"grid_assessment", "grid_assessments", "site_id", {}},
    };
    return kinds;
}

// A reading's result travels as the result's own key: its row id is this archive's alone.
constexpr const char* kResultColumn = "result_id";
constexpr const char* kResultMember = "result";

enum class ColumnType { Real, Integer, Text };

struct Column {
    std::string name;
    ColumnType type;
};

std::string MemberName(const Column& column) {
    return column.name == kResultColumn ? kResultMember : column.name;
}

// The table's columns in their declared order, but those the archive keeps for itself.
std::vector<Column> ColumnsOf(archive::Database& db, const std::string& table,
                              const std::set<std::string>& own) {
    std::vector<Column> columns;
    for (const SqlRow& row :
         Rows(db, "SELECT name, upper(type) FROM pragma_table_info(?1) ORDER BY cid", {table})) {
        const std::string name = row[0].value_or("");
        const std::string type = row[1].value_or("");
        if (!own.contains(name)) {
            columns.push_back({name, name == kResultColumn                    ? ColumnType::Text
                                     : type.find("REAL") != std::string::npos ? ColumnType::Real
                                     : type.find("INT") != std::string::npos  ? ColumnType::Integer
                                                                              : ColumnType::Text});
        }
    }
    return columns;
}

std::string Selected(const Column& column) {
    return column.name == kResultColumn
               ? "(SELECT lower(hex(r.content_key)) FROM results r WHERE r.id = result_id)"
               : column.name;
}

std::string JsonValue(const archive::Statement& row, int index, const Column& column) {
    if (row.IsNull(index)) {
        return "null";
    }
    switch (column.type) {
        case ColumnType::Real:
            return JsonString(numbers::Shortest(row.Real(index)));
        case ColumnType::Integer:
            return std::to_string(row.Int(index));
        case ColumnType::Text:
            break;
    }
    return JsonString(row.Text(index));
}

// The rows of `table` where `owner` is the id, in order, each as a JSON object of its columns.
std::vector<std::string> ObjectsOf(archive::Database& db, const std::string& table, const std::string& owner,
                                   const std::string& order, const std::vector<Column>& columns,
                                   std::int64_t id) {
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sql += (i == 0 ? "" : ", ") + Selected(columns[i]);
    }
    sql += " FROM " + table + " WHERE " + owner + " = ?1 ORDER BY " + order;
    Bound query(db, sql, {id});
    std::vector<std::string> objects;
    int rc = SQLITE_ROW;
    while ((rc = query->Step()) == SQLITE_ROW) {
        std::string object = "{";
        for (std::size_t i = 0; i < columns.size(); ++i) {
            object += (i == 0 ? "" : ",") + JsonString(MemberName(columns[i])) + ":" +
                      JsonValue(*query, static_cast<int>(i), columns[i]);
        }
        objects.push_back(object + "}");
    }
    if (rc != SQLITE_DONE) {
        throw LocalFailure(db.ExtendedErrorCode(), db.Error());
    }
    return objects;
}

std::string JsonArray(const std::vector<std::string>& objects) {
    std::string array = "[";
    for (std::size_t i = 0; i < objects.size(); ++i) {
        array += (i == 0 ? "" : ",") + objects[i];
    }
    return array + "]";
}

bool TableExists(archive::Database& db, const std::string& table) {
    return Single(db, "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = ?1", {table}) ==
           "1";
}

std::set<std::string> OwnColumns(const AnalysisKind& kind) {
    return {"id", "uuid", "modified", kind.placeColumn};
}

// One member of a JSON object: its JSON type and, for a string or a number, its text.
struct Member {
    std::string type;
    std::optional<std::string> atom;
};
using Members = std::map<std::string, Member>;

Members MembersOf(archive::Database& db, const std::string& json, const std::string& path) {
    Members members;
    for (const SqlRow& row : Rows(db,
                                  "SELECT key, type, CASE WHEN type IN ('text', 'integer') THEN atom END "
                                  "FROM json_each(?1, ?2) WHERE json_type(?1, ?2) = 'object'",
                                  {json, path})) {
        members[row[0].value_or("")] = {row[1].value_or(""), row[2]};
    }
    return members;
}

std::optional<double> RealOf(const std::string& text) {
    if (text == "inf" || text == "-inf") {
        return text == "inf" ? std::numeric_limits<double>::infinity()
                             : -std::numeric_limits<double>::infinity();
    }
    return numbers::ParseDecimal(text);
}

// Binds a column's value from its member; false with `problem` set when it is not of the column's type.
bool BindMember(archive::Database& db, archive::Statement& insert, int index, const Column& column,
                const Members& members, std::string& problem) {
    const auto found = members.find(MemberName(column));
    if (found == members.end() || found->second.type == "null") {
        insert.BindNull(index);
        return true;
    }
    const Member& member = found->second;
    const std::string text = member.atom.value_or("");
    if (column.name == kResultColumn && member.type == "text") {
        const std::optional<std::string> result =
            Single(db, "SELECT id FROM results WHERE content_key = ?1", {KeyBytes(text)});
        insert.Bind(index, WholeNumber(result, 0));
        return true;
    }
    if (column.type == ColumnType::Real && member.type == "text") {
        if (const std::optional<double> value = RealOf(text); value && !std::isnan(*value)) {
            insert.Bind(index, *value);
            return true;
        }
    } else if (column.type == ColumnType::Integer && member.type == "integer") {
        if (const std::optional<long long> value = numbers::ParseInteger(text)) {
            insert.Bind(index, static_cast<std::int64_t>(*value));
            return true;
        }
    } else if (column.type == ColumnType::Text && member.type == "text") {
        insert.Bind(index, std::string_view(text));
        return true;
    }
    problem = column.name + ": not a value of its column";
    return false;
}

// Inserts one row: the owner's id (and uuid) first, then each column from the object's members.
bool InsertRow(archive::Database& db, const std::string& table, const std::vector<std::string>& leading,
               std::int64_t owner, const std::optional<std::string>& uuid, const std::vector<Column>& columns,
               const Members& members, std::string& problem) {
    std::string names;
    std::string marks;
    for (const std::string& name : leading) {
        names += (names.empty() ? "" : ", ") + name;
        marks += marks.empty() ? "?" : ", ?";
    }
    for (const Column& column : columns) {
        names += ", " + column.name;
        marks += ", ?";
    }
    archive::Statement insert;
    if (insert.Prepare(db, "INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")") != SQLITE_OK) {
        problem = db.Error();
        return false;
    }
    int index = 1;
    insert.Bind(index++, owner);
    if (uuid) {
        insert.Bind(index++, std::string_view(*uuid));
    }
    for (const Column& column : columns) {
        if (!BindMember(db, insert, index++, column, members, problem)) {
            return false;
        }
    }
    if (insert.Step() != SQLITE_DONE) {
        problem = table + ": " + db.Error();
        return false;
    }
    return true;
}

// Every result the readings name is held here (looked up by its key, which the results are indexed by).
bool ResultsHeld(archive::Database& db, const AnalysisKind& kind, const std::string& body) {
    for (const AnalysisPart& part : kind.parts) {
        for (const SqlRow& named : Rows(db,
                                        "SELECT json_extract(e.value, '$.result') FROM json_each(?1, ?2) e "
                                        "WHERE json_type(e.value, '$.result') = 'text'",
                                        {body, std::string("$.") + part.table})) {
            if (!Single(db, "SELECT 1 FROM results WHERE content_key = ?1",
                        {KeyBytes(named[0].value_or(""))})) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

const AnalysisKind* AnalysisKindNamed(std::string_view name) {
    for (const AnalysisKind& kind : Kinds()) {
        if (name == kind.name) {
            return &kind;
        }
    }
    return nullptr;
}

std::optional<AnalysisContent> AnalysisContentOf(archive::Database& db, const AnalysisKind& kind,
                                                 std::int64_t id) {
    const bool onPoint = std::string(kind.placeColumn) == "point_id";
    const std::string place =
        onPoint ? std::string("SELECT a.uuid, s.uuid, p.uuid FROM ") + kind.table +
                      " a JOIN points p ON p.id = a.point_id JOIN sites s ON s.id = p.site_id WHERE a.id = ?1"
                : std::string("SELECT a.uuid, s.uuid, NULL FROM ") + kind.table +
                      " a JOIN sites s ON s.id = a.site_id WHERE a.id = ?1";
    const std::vector<SqlRow> owner = Rows(db, place, {id});
    if (owner.empty() || !owner[0][0] || !owner[0][1] || (onPoint && !owner[0][2])) {
        return std::nullopt;
    }
    AnalysisContent content;
    content.uuid = *owner[0][0];
    content.site = *owner[0][1];
    const std::vector<std::string> row =
        ObjectsOf(db, kind.table, "id", "id", ColumnsOf(db, kind.table, OwnColumns(kind)), id);
    if (row.empty()) {
        return std::nullopt;
    }
    content.body = R"({"analysis":)" + JsonString(kind.name) + R"(,"uuid":)" + JsonString(content.uuid) +
                   R"(,"site":)" + JsonString(content.site) +
                   (onPoint ? R"(,"point":)" + JsonString(*owner[0][2]) : std::string()) + R"(,"row":)" +
                   row[0];
    for (const AnalysisPart& part : kind.parts) {
        content.body += "," + JsonString(part.table) + ":" +
                        (TableExists(db, part.table)
                             ? JsonArray(ObjectsOf(db, part.table, part.ownerColumn, part.orderColumn,
                                                   ColumnsOf(db, part.table, {part.ownerColumn}), id))
                             : std::string("[]"));
    }
    content.body += "}";
    content.key = archive::HexText(archive::Sha256(
        std::span(reinterpret_cast<const std::uint8_t*>(content.body.data()), content.body.size())));
    return content;
}

InsertOutcome InsertAnalysis(archive::Database& db, const AnalysisKind& kind, const std::string& body,
                             std::int64_t place) {
    InsertOutcome outcome;
    if (!ResultsHeld(db, kind, body)) {
        outcome.status = InsertOutcome::Status::Waiting;
        return outcome;
    }
    const std::optional<std::string> uuid = Single(db, "SELECT json_extract(?1, '$.uuid')", {body});
    if (!uuid || uuid->empty()) {
        outcome.problem = "an analysis without its id";
        return outcome;
    }
    if (!InsertRow(db, kind.table, {kind.placeColumn, "uuid"}, place, uuid,
                   ColumnsOf(db, kind.table, OwnColumns(kind)), MembersOf(db, body, "$.row"),
                   outcome.problem)) {
        return outcome;
    }
    outcome.id = db.LastInsertId();
    for (const AnalysisPart& part : kind.parts) {
        const std::vector<SqlRow> objects =
            Rows(db, "SELECT value FROM json_each(?1, ?2) WHERE json_type(?1, ?2) = 'array' ORDER BY key",
                 {body, std::string("$.") + part.table});
        if (objects.empty()) {
            continue;
        }
        if (part.made != nullptr && db.Exec(part.made) != SQLITE_OK) {
            outcome.problem = db.Error();
            return outcome;
        }
        const std::vector<Column> columns = ColumnsOf(db, part.table, {part.ownerColumn});
        for (const SqlRow& object : objects) {
            if (!InsertRow(db, part.table, {part.ownerColumn}, outcome.id, std::nullopt, columns,
                           MembersOf(db, object[0].value_or("{}"), "$"), outcome.problem)) {
                return outcome;
            }
        }
    }
    outcome.status = InsertOutcome::Status::Stored;
    return outcome;
}

}  // namespace terrovane::sync
