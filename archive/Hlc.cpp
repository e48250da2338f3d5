#include "Hlc.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace terrovane::archive {
namespace {

std::string Padded(std::int64_t value, std::size_t width) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    std::string text(digits, end);
    return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

bool ParseNumber(std::string_view text, std::int64_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

// A mutable table, its own id column when it has one, and the ids of the things its rows carry (a note, a
// limit, an assignment): each made the first time the thing is set, and kept after.
struct StampedTable {
    const char* name;
    bool ownId;
    std::vector<std::pair<const char*, const char*>> carried;  // id column, the column that sets it
};

const std::vector<StampedTable>& StampedTables() {
    static const std::vector<StampedTable> tables = {
        {"sites", true, {{"limit_uuid", "limit_ohm"}}},
        {"points", true, {{"limit_uuid", "limit_ohm"}}},
        {"labels", true, {}},
        {"soil_models", true, {}},
        {"fop_curves", true, {}},
        // Read-outs and results are known by their content; what users add to them has ids of its own.
        {"readouts", false, {{"note_uuid", "note"}}},
        {"results", false, {{"note_uuid", "note"}, {"assignment_uuid", "point_id"}}},
    };
    return tables;
}

// Wall time in milliseconds as SQLite sees it (julianday keeps them; Debian 12's SQLite lacks 'subsec').
constexpr const char* kWallMillisSql = "CAST((julianday('now') - 2440587.5) * 86400000 AS INTEGER)";

std::string TickSql() {
    const std::string wall = kWallMillisSql;
    return "UPDATE archive_clock SET counter = CASE WHEN " + wall +
           " > millis THEN 0 ELSE counter + 1 END, " + "millis = max(millis, " + wall + ");";
}

std::string Assignments(const StampedTable& table) {
    std::string sql = "modified = (SELECT stamp FROM archive_stamp)";
    if (table.ownId) {
        sql += std::string(", uuid = coalesce(uuid, ") + kUuidSql + ")";
    }
    for (const auto& [column, setBy] : table.carried) {
        sql += std::string(", ") + column + " = coalesce(" + column + ", CASE WHEN " + setBy +
               " IS NOT NULL THEN " + kUuidSql + " END)";
    }
    return sql;
}

std::string TableSql(const StampedTable& table) {
    const std::string name = table.name;
    std::string sql;
    if (table.ownId) {
        sql += "ALTER TABLE " + name + " ADD COLUMN uuid TEXT;\n";
    }
    for (const auto& [column, setBy] : table.carried) {
        sql += "ALTER TABLE " + name + " ADD COLUMN " + std::string(column) + " TEXT;\n";
    }
    sql += "ALTER TABLE " + name + " ADD COLUMN modified TEXT;\n";
    // Rows already there get their ids and the migration's stamp before the triggers exist.
    sql += "UPDATE " + name + " SET " + Assignments(table) + ";\n";
    if (table.ownId) {
        sql += "CREATE UNIQUE INDEX " + name + "_uuid ON " + name + "(uuid);\n";
    }
    const std::string stamp =
        TickSql() + " UPDATE " + name + " SET " + Assignments(table) + " WHERE rowid = NEW.rowid; END;\n";
    sql += "CREATE TRIGGER " + name + "_made AFTER INSERT ON " + name + " BEGIN " + stamp;
    // The trigger's own update sets a new stamp, so it does not run again for it.
    sql += "CREATE TRIGGER " + name + "_changed AFTER UPDATE ON " + name +
           " WHEN NEW.modified IS OLD.modified BEGIN " + stamp;
    if (table.ownId) {
        sql += "CREATE TRIGGER " + name + "_deleted AFTER DELETE ON " + name + " BEGIN " + TickSql() +
               " INSERT OR REPLACE INTO tombstones(kind, uuid, deleted) SELECT '" + name +
               "', OLD.uuid, stamp FROM archive_stamp WHERE OLD.uuid IS NOT NULL; END;\n";
    }
    return sql;
}

}  // namespace

const char* const kUuidSql =
    "(lower(hex(randomblob(4))) || '-' || lower(hex(randomblob(2))) || '-4' || "
    "substr(lower(hex(randomblob(2))), 2) || '-' || substr('89ab', 1 + (abs(random()) % 4), 1) || "
    "substr(lower(hex(randomblob(2))), 2) || '-' || lower(hex(randomblob(6))))";

std::string ClockTickSql() {
    return TickSql();
}

std::string StampText(const HlcStamp& stamp) {
    return Padded(stamp.millis, 15) + "-" + Padded(stamp.counter, 5) + "-" + stamp.device;
}

std::optional<HlcStamp> ParseStamp(std::string_view text) {
    const auto first = text.find('-');
    const auto second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (second == std::string_view::npos || second + 1 >= text.size()) {
        return std::nullopt;
    }
    HlcStamp stamp;
    if (!ParseNumber(text.substr(0, first), stamp.millis) ||
        !ParseNumber(text.substr(first + 1, second - first - 1), stamp.counter)) {
        return std::nullopt;
    }
    stamp.device = std::string(text.substr(second + 1));
    return stamp;
}

HlcStamp NextStamp(const HlcStamp& last, const HlcStamp& seen, std::int64_t wallMillis) {
    const std::int64_t logical = std::max(last.millis, seen.millis);
    HlcStamp next;
    next.device = last.device;
    if (wallMillis > logical) {
        next.millis = wallMillis;
        next.counter = 0;
    } else {
        next.millis = logical;
        const std::int64_t lastCounter = last.millis == logical ? last.counter : -1;
        const std::int64_t seenCounter = seen.millis == logical ? seen.counter : -1;
        next.counter = std::max(lastCounter, seenCounter) + 1;
    }
    return next;
}

std::string StampsLayoutSql() {
    std::string sql = std::string(R"sql(
CREATE TABLE archive_clock (
    id INTEGER PRIMARY KEY CHECK (id = 1),
    device TEXT NOT NULL,
    millis INTEGER NOT NULL,
    counter INTEGER NOT NULL
);
INSERT INTO archive_clock VALUES (1, )sql") +
                      kUuidSql + R"sql(, 0, 0);
CREATE VIEW archive_stamp AS
    SELECT printf('%015d-%05d-%s', millis, counter, device) AS stamp FROM archive_clock;
CREATE TABLE tombstones (
    kind TEXT NOT NULL,
    uuid TEXT NOT NULL,
    deleted TEXT NOT NULL,
    PRIMARY KEY (kind, uuid)
) WITHOUT ROWID;
)sql" + TickSql() + "\n";
    for (const StampedTable& table : StampedTables()) {
        sql += TableSql(table);
    }
    return sql;
}

std::string StampedTableSql(const char* table) {
    return TableSql({table, true, {}});
}

std::string StampedRowsSql(const char* table) {
    const std::string name = table;
    const std::string stamp =
        TickSql() + " UPDATE " + name +
        " SET modified = (SELECT stamp FROM archive_stamp) WHERE rowid = NEW.rowid; END;\n";
    return "ALTER TABLE " + name + " ADD COLUMN modified TEXT;\n" + "CREATE TRIGGER " + name +
           "_changed AFTER UPDATE ON " + name + " WHEN NEW.modified IS OLD.modified BEGIN " + stamp;
}

}  // namespace terrovane::archive
