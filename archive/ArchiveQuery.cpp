// The archive's read side: pages of results and read-outs, one result, one image.
#include <sqlite3.h>

#include <algorithm>

#include "Archive.h"
#include "Find.h"
#include "Problems.h"

namespace terrovane::archive {
namespace {

// A LIKE pattern matching `text` anywhere, with the pattern's own characters taken literally.
std::string ContainsPattern(const std::string& text) {
    std::string pattern = "%";
    for (char c : text) {
        if (c == '%' || c == '_' || c == '\\') {
            pattern.push_back('\\');
        }
        pattern.push_back(c);
    }
    return pattern + "%";
}

std::string Direction(bool descending, bool reversed) {
    return descending != reversed ? " DESC" : " ASC";
}

std::string OrderClause(ResultSort sort) {
    const std::string newest = "r.first_readout" + Direction(true, sort.descending) + ", r.first_slot" +
                               Direction(false, sort.descending);
    // Ties keep the list's own order whichever way the chosen column runs.
    const auto by = [&](const std::string& column) {
        return column + Direction(false, sort.descending) + ", r.first_readout DESC, r.first_slot ASC";
    };
    switch (sort.order) {
        case ResultOrder::Newest:
            return newest;
        case ResultOrder::Slot:
            return by("r.first_slot");
        case ResultOrder::Mode:
            return by("r.mode");
        case ResultOrder::Measured:
            return "r.measured_date" + Direction(false, sort.descending) + ", r.measured_time" +
                   Direction(false, sort.descending) + ", r.id" + Direction(false, sort.descending);
        case ResultOrder::Label:
            return by("l.text");
        case ResultOrder::Voltage:
            return by("r.voltage_code");
        case ResultOrder::Frequency:
            return by("r.frequency_code");
        case ResultOrder::Distance:
            return by("r.distance");
        default:
            break;
    }
    const int index = static_cast<int>(sort.order) - static_cast<int>(ResultOrder::Value0);
    return by("r.v" + std::to_string(std::clamp(index, 0, 10)));
}

// The WHERE clause of a filter over `dateColumn`, and the values it binds in order.
struct Where {
    std::string with;  // a common table expression the terms use, before the statement
    std::string sql;
    std::vector<std::string> texts;  // bound as texts, except the integer members below
    std::vector<std::pair<std::size_t, std::int64_t>> integers;  // position in the order -> value
};

// Which filter the list's query is driven from. The list's own order walks the results newest first and
// meets a page of those that match soon when many match; a filter that matches few (a label, words) is
// better looked up through its index and the few sorted. SQLite cannot tell the two apart without
// counting, so Results counts up to kManyFound of them first and says here which filter leads: the
// columns of the others (and of the order) are then kept from their indexes with a unary +.
enum class Driver { Order, Label, Words };

bool HasWords(const ResultFilter& filter) {
    return filter.search && filter.search->find_first_not_of(" \t\r\n") != std::string::npos;
}

bool HasLabel(const ResultFilter& filter) {
    return filter.labelContains && !filter.labelContains->empty();
}

Where ResultWhere(const ResultFilter& filter, Driver driver = Driver::Order) {
    Where where;
    const std::string off = driver == Driver::Order ? "" : "+";
    std::vector<std::string> terms;
    const auto text = [&](const std::string& term, const std::string& value) {
        terms.push_back(term);
        where.texts.push_back(value);
    };
    const auto integer = [&](const std::string& term, std::int64_t value) {
        terms.push_back(term);
        where.integers.emplace_back(where.texts.size(), value);
        where.texts.emplace_back();
    };
    // The search's table expression comes first in the statement, so its values are bound first.
    if (HasWords(filter)) {
        FindSql found = FindHitsCte(*filter.search);
        where.with = std::move(found.sql);
        where.texts = std::move(found.values);
        terms.emplace_back(driver == Driver::Words ? kResultFoundTerm : kResultFoundTermInOrder);
    }
    if (filter.since) {
        text(off + "r.measured_date >= ?", *filter.since);
    }
    if (filter.until) {
        text(off + "r.measured_date <= ?", *filter.until);
    }
    if (filter.mode) {
        integer(off + "r.mode = ?", *filter.mode);
    }
    if (HasLabel(filter)) {
        text((driver == Driver::Words ? "+" : "") +
                 std::string("r.label_id IN (SELECT id FROM labels WHERE text LIKE ? ESCAPE '\\')"),
             ContainsPattern(*filter.labelContains));
    }
    if (filter.labelIs) {
        text("r.label_id = (SELECT id FROM labels WHERE text = ?)", *filter.labelIs);
    }
    if (filter.readout) {
        integer("r.id IN (SELECT result_id FROM readout_slots WHERE readout_id = ?)", *filter.readout);
    }
    if (filter.site) {
        text(
            "r.point_id IN (SELECT p2.id FROM points p2 JOIN sites s2 ON s2.id = p2.site_id WHERE s2.name = "
            "?)",
            *filter.site);
    }
    if (filter.point) {
        text("r.point_id IN (SELECT id FROM points WHERE name = ?)", *filter.point);
    }
    if (filter.siteId) {
        // Through the points' index on results, not a walk over every result.
        integer("r.point_id IN (SELECT id FROM points WHERE site_id = ?)", *filter.siteId);
    }
    if (filter.pointId) {
        integer("r.point_id = ?", *filter.pointId);
    }
    if (filter.unassigned) {
        terms.push_back("r.point_id IS NULL");
    }
    for (std::size_t i = 0; i < terms.size(); ++i) {
        where.sql += (i == 0 ? " WHERE " : " AND ") + terms[i];
    }
    return where;
}

// Counts the results of a label filter, up to kManyFound.
bool FewLabelled(Database& db, const std::string& label, bool& few, std::string& error) {
    Statement probe;
    if (probe.Prepare(db,
                      "SELECT count(*) FROM (SELECT 1 FROM results WHERE label_id IN (SELECT id FROM labels "
                      "WHERE text LIKE ? ESCAPE '\\') LIMIT " +
                          std::to_string(kManyFound) + ")") != SQLITE_OK) {
        error = db.Error();
        return false;
    }
    probe.Bind(1, std::string_view(ContainsPattern(label)));
    if (probe.Step() != SQLITE_ROW) {
        error = db.Error();
        return false;
    }
    few = probe.Int(0) < kManyFound;
    return true;
}

// The filter the list's query is driven from: words that find few results, else a label that few bear,
// else the list's own order.
bool LeadingFilter(Database& db, const ResultFilter& filter, Driver& driver, std::string& error) {
    if (HasWords(filter)) {
        const Result<bool> many = FindsManyResults(db, *filter.search);
        if (!many) {
            error = many.Error().Text();
            return false;
        }
        if (!many.Value()) {
            driver = Driver::Words;
            return true;
        }
    }
    bool few = false;
    if (HasLabel(filter) && !FewLabelled(db, *filter.labelContains, few, error)) {
        return false;
    }
    driver = few ? Driver::Label : Driver::Order;
    return true;
}

// Binds the filter's values from 1 on; returns the next free index.
int BindWhere(Statement& statement, const Where& where) {
    for (std::size_t i = 0; i < where.texts.size(); ++i) {
        const auto integer = std::find_if(where.integers.begin(), where.integers.end(),
                                          [i](const auto& entry) { return entry.first == i; });
        if (integer != where.integers.end()) {
            statement.Bind(static_cast<int>(i) + 1, integer->second);
        } else {
            statement.Bind(static_cast<int>(i) + 1, std::string_view(where.texts[i]));
        }
    }
    return static_cast<int>(where.texts.size()) + 1;
}

constexpr const char* kResultColumns =
    "SELECT r.id, r.first_readout, ro.read_at, ro.port, r.first_slot, r.packet, l.text, r.note, r.point_id, "
    "s.name, p.name, coalesce(p.limit_ohm, s.limit_ohm), "
    "CASE WHEN p.limit_ohm IS NULL THEN s.limit_source ELSE p.limit_source END FROM results r "
    "JOIN readouts ro ON ro.id = r.first_readout LEFT JOIN labels l ON l.id = r.label_id "
    "LEFT JOIN points p ON p.id = r.point_id LEFT JOIN sites s ON s.id = p.site_id";

ResultRow ReadResultRow(const Statement& query) {
    ResultRow row;
    row.id = query.Int(0);
    row.readout = query.Int(1);
    row.readAt = query.Text(2);
    row.port = query.Text(3);
    row.slot = static_cast<int>(query.Int(4));
    const std::vector<std::uint8_t> packet = query.Blob(5);
    std::copy_n(packet.begin(), std::min(packet.size(), row.packet.size()), row.packet.begin());
    row.label = query.Text(6);
    row.note = query.Text(7);
    if (!query.IsNull(8)) {
        row.point = query.Int(8);
        row.site = query.Text(9);
        row.pointName = query.Text(10);
    }
    if (!query.IsNull(11)) {
        row.limit = Limit{query.Real(11), query.Text(12)};
    }
    return row;
}

}  // namespace

bool Archive::Results(const ResultFilter& filter, ResultSort sort, int limit, int offset,
                      std::vector<ResultRow>& out, std::string& error) {
    return Read(
        [&](Database&, std::string& error) {
            Driver driver = Driver::Order;
            if (!LeadingFilter(db_, filter, driver, error)) {
                return false;
            }
            const Where where = ResultWhere(filter, driver);
            Statement query;
            std::string order = OrderClause(sort);
            // A site or point holds few results: they are found through the points' index and then sorted,
            // rather than by walking the whole archive in the list's order. So do few found by words or
            // a label.
            if (filter.site || filter.point || filter.siteId || filter.pointId || driver != Driver::Order) {
                for (std::size_t at = order.find("r."); at != std::string::npos;
                     at = order.find("r.", at + 3)) {
                    order.insert(at, "+");
                }
            }
            const std::string sql =
                where.with + kResultColumns + where.sql + " ORDER BY " + order + " LIMIT ? OFFSET ?";
            if (query.Prepare(db_, sql) != SQLITE_OK) {
                error = db_.Error();
                return false;
            }
            const int next = BindWhere(query, where);
            query.Bind(next, static_cast<std::int64_t>(limit < 0 ? -1 : limit));
            query.Bind(next + 1, static_cast<std::int64_t>(std::max(offset, 0)));
            int rc = SQLITE_OK;
            while ((rc = query.Step()) == SQLITE_ROW) {
                out.push_back(ReadResultRow(query));
            }
            if (rc != SQLITE_DONE) {
                error = db_.Error();
                return false;
            }
            return true;
        },
        error);
}

std::optional<ResultRow> Archive::Result(std::int64_t id, std::string& error) {
    std::optional<ResultRow> found;
    const bool read = Read(
        [&](Database&, std::string& error) {
            Statement query;
            if (query.Prepare(db_, std::string(kResultColumns) + " WHERE r.id = ?") != SQLITE_OK) {
                error = db_.Error();
                return false;
            }
            query.Bind(1, id);
            const int rc = query.Step();
            if (rc == SQLITE_ROW) {
                found = ReadResultRow(query);
                return true;
            }
            error = rc == SQLITE_DONE ? Problem(kNoResult, {std::to_string(id)}) : db_.Error();
            return false;
        },
        error);
    return read ? found : std::nullopt;
}

namespace {

Where ReadOutWhere(const ResultFilter& filter) {
    Where where;
    std::vector<std::string> terms;
    if (filter.since) {
        terms.push_back("substr(ro.read_at, 1, 10) >= ?");
        where.texts.push_back(*filter.since);
    }
    if (filter.until) {
        terms.push_back("substr(ro.read_at, 1, 10) <= ?");
        where.texts.push_back(*filter.until);
    }
    if (filter.labelContains && !filter.labelContains->empty()) {
        terms.push_back("ro.label_id IN (SELECT id FROM labels WHERE text LIKE ? ESCAPE '\\')");
        where.texts.push_back(ContainsPattern(*filter.labelContains));
    }
    for (std::size_t i = 0; i < terms.size(); ++i) {
        where.sql += (i == 0 ? " WHERE " : " AND ") + terms[i];
    }
    return where;
}

}  // namespace

bool Archive::ReadOuts(const ResultFilter& filter, int limit, int offset, std::vector<ReadOutRow>& out,
                       std::string& error) {
    return Read(
        [&](Database&, std::string& error) {
            const Where where = ReadOutWhere(filter);
            Statement query;
            Statement slots;
            const std::string sql =
                "SELECT ro.id, ro.read_at, ro.port, l.text, ro.note FROM readouts ro LEFT JOIN labels "
                "l ON l.id = ro.label_id" +
                where.sql + " ORDER BY ro.id DESC LIMIT ? OFFSET ?";
            if (query.Prepare(db_, sql) != SQLITE_OK ||
                slots.Prepare(db_,
                              "SELECT result_id FROM readout_slots WHERE readout_id = ? ORDER BY slot") !=
                    SQLITE_OK) {
                error = db_.Error();
                return false;
            }
            const int next = BindWhere(query, where);
            query.Bind(next, static_cast<std::int64_t>(limit < 0 ? -1 : limit));
            query.Bind(next + 1, static_cast<std::int64_t>(std::max(offset, 0)));
            int rc = SQLITE_OK;
            while ((rc = query.Step()) == SQLITE_ROW) {
                ReadOutRow row{query.Int(0), query.Text(1), query.Text(2), query.Text(3), query.Text(4), {}};
                slots.Reset();
                slots.Bind(1, row.id);
                while ((rc = slots.Step()) == SQLITE_ROW) {
                    row.results.push_back(slots.Int(0));
                }
                if (rc != SQLITE_DONE) {
                    break;
                }
                out.push_back(std::move(row));
            }
            if (rc != SQLITE_DONE) {
                error = db_.Error();
                return false;
            }
            return true;
        },
        error);
}

std::optional<record::ReadOutBuffer> Archive::Image(std::int64_t readoutId, std::string& error) {
    std::optional<record::ReadOutBuffer> found;
    const bool read = Read(
        [&](Database&, std::string& error) {
            Statement query;
            if (query.Prepare(db_, "SELECT image FROM readouts WHERE id = ?") != SQLITE_OK) {
                error = db_.Error();
                return false;
            }
            query.Bind(1, readoutId);
            const int rc = query.Step();
            if (rc != SQLITE_ROW) {
                error = rc == SQLITE_DONE ? Problem(kNoReadOut, {std::to_string(readoutId)}) : db_.Error();
                return false;
            }
            const std::vector<std::uint8_t> bytes = query.Blob(0);
            if (bytes.size() != record::kReadOutSize) {
                error = "read-out " + std::to_string(readoutId) + " holds " + std::to_string(bytes.size()) +
                        " bytes instead of 7200";
                return false;
            }
            record::ReadOutBuffer image{};
            std::copy(bytes.begin(), bytes.end(), image.begin());
            found = image;
            return true;
        },
        error);
    return read ? found : std::nullopt;
}

}  // namespace terrovane::archive
