// Readings of other testers stored as typed results, each once, in one unit of work.
#include "ReadingImport.h"

#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <unordered_set>

#include "ImportFailure.h"
#include "ImportProblems.h"
#include "Numbers.h"
#include "Problems.h"
#include "RowReading.h"
#include "Transaction.h"
#include "TypedResultWriter.h"
#include "XlsxSource.h"

namespace terrovane::imports {
namespace {

// What makes two readings the same: point, method, minute and every value with its over-range mark.
std::string ReadingKey(std::int64_t point, const std::string& method, const std::string& minute,
                       std::vector<archive::TypedValue> values) {
    std::sort(values.begin(), values.end(),
              [](const archive::TypedValue& a, const archive::TypedValue& b) { return a.name < b.name; });
    std::string key = std::to_string(point) + '\x1f' + method + '\x1f' + minute;
    for (const archive::TypedValue& value : values) {
        key += '\x1f' + value.name + (value.overRange ? ">" : "=") + numbers::Shortest(value.number);
    }
    return key;
}

// The keys of every version stored at the point.
archive::Status StoredKeys(archive::Database& db, std::int64_t point, std::unordered_set<std::string>& keys) {
    archive::Statement query;
    int rc = query.Prepare(db,
                           "SELECT t.id, t.method, t.measured_date || ' ' || substr(t.measured_time, 1, 5), "
                           "v.name, v.value, v.over_range_bound FROM typed_results t JOIN typed_values v ON "
                           "v.version_id = t.id WHERE t.point_id = ? ORDER BY t.id, v.ordinal");
    if (rc != SQLITE_OK) {
        return archive::LastFailure(db, rc);
    }
    query.Bind(1, point);
    std::int64_t current = 0;
    std::string method;
    std::string minute;
    std::vector<archive::TypedValue> values;
    while ((rc = query.Step()) == SQLITE_ROW) {
        if (query.Int(0) != current && current != 0) {
            keys.insert(ReadingKey(point, method, minute, values));
            values.clear();
        }
        current = query.Int(0);
        method = query.Text(1);
        minute = query.Text(2);
        const bool over = query.IsNull(4);
        values.push_back({query.Text(3), query.Real(over ? 5 : 4), over});
    }
    if (rc != SQLITE_DONE) {
        return archive::LastFailure(db, rc);
    }
    if (current != 0) {
        keys.insert(ReadingKey(point, method, minute, values));
    }
    return archive::Done{};
}

// Finds points by their site and name once each, and what is stored at them.
class PointBook {
  public:
    explicit PointBook(archive::Database& db) : db_(db) {}

    // The point's id; 0 with `problem` set when there is no such point.
    archive::Result<std::int64_t> Find(const std::string& site, const std::string& point,
                                       std::string& problem) {
        const auto name = std::make_pair(site, point);
        if (const auto known = ids_.find(name); known != ids_.end()) {
            problem = known->second == 0 ? archive::Problem(archive::kNoPointNamed, {point, site}) : "";
            return known->second;
        }
        int rc = SQLITE_OK;
        if (!find_.IsPrepared()) {
            rc = find_.Prepare(
                db_,
                "SELECT p.id FROM points p JOIN sites s ON s.id = p.site_id WHERE s.name = ? AND "
                "p.name = ?");
        }
        if (rc == SQLITE_OK) {
            find_.Reset();
            find_.Bind(1, std::string_view(site));
            find_.Bind(2, std::string_view(point));
            rc = find_.Step();
        }
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
            return archive::LastFailure(db_, rc);
        }
        const std::int64_t id = rc == SQLITE_ROW ? find_.Int(0) : 0;
        if (id != 0) {
            if (archive::Status read = StoredKeys(db_, id, keys_); !read) {
                return read.Error();
            }
        }
        ids_[name] = id;
        problem = id == 0 ? archive::Problem(archive::kNoPointNamed, {point, site}) : "";
        return id;
    }

    // True for a key not seen yet, which it then remembers.
    bool IsNew(const std::string& key) { return keys_.insert(key).second; }

  private:
    archive::Database& db_;
    archive::Statement find_;
    std::map<std::pair<std::string, std::string>, std::int64_t> ids_;
    std::unordered_set<std::string> keys_;
};

}  // namespace

std::string ImportedBy(const ImportSource& source) {
    return source.account + ", imported from " + source.fileName;
}

archive::Result<SourceTable> LoadTable(const std::string& path, const Mapping& mapping,
                                       const std::string& sheet) {
    if (LooksLikeZip(path)) {
        auto table = ReadXlsx(path, sheet.empty() ? mapping.sheet : sheet);
        if (table && mapping.decimal != CsvDialect::Decimal::Find) {
            table.Value().decimalComma = mapping.decimal == CsvDialect::Decimal::Comma;
        }
        return table;
    }
    return ReadCsv(path, {mapping.separator, mapping.decimal});
}

archive::Result<ImportReport> ImportReadings(archive::Archive& archive, const SourceTable& table,
                                             const Mapping& mapping, const ImportSource& source,
                                             bool dryRun) {
    auto columns = ResolveColumns(mapping, table);
    if (!columns) {
        return columns.Error();
    }
    // Rows are read before the archive is touched: the write lock is held only for the lookups and inserts.
    std::vector<std::pair<int, RowReading>> readings;
    for (const SourceRow& row : table.rows) {
        if (row.line > mapping.headerRow && !IsBlankRow(row)) {
            readings.emplace_back(row.line, ReadRow(row, mapping, columns.Value(), table.decimalComma));
        }
    }
    if (readings.empty()) {
        return ImportRefusal(kNoRows);
    }
    const std::string typedBy = ImportedBy(source);
    const std::string now = archive::NowMinute();
    ImportReport report;
    const auto access = dryRun ? archive::Archive::Access::Read : archive::Archive::Access::Write;
    const archive::Status done = archive.Run(access, [&](archive::Database& db) -> archive::Status {
        report = ImportReport{};
        report.rows = static_cast<int>(readings.size());
        // Each result adds to two indexes of random uuids: with the default page cache of 2 MB a large
        // file spends most of its time reading back pages it wrote a moment before. The connection is
        // this unit's own and closes with it.
        if (readings.size() > 1000 && db.Exec("PRAGMA cache_size = -131072") != SQLITE_OK) {
            return archive::LastFailure(db, SQLITE_ERROR);
        }
        PointBook points(db);
        archive::TypedResultWriter writer(db);
        for (auto& [line, reading] : readings) {
            if (reading.problem.empty()) {
                reading.fields.typedBy = typedBy;
                if (const auto refusal = archive::TypedResultProblem(reading.fields, now)) {
                    reading.problem = refusal->Text();
                }
            }
            if (reading.problem.empty()) {
                auto point = points.Find(reading.site, reading.point, reading.problem);
                if (!point) {
                    return point.Error();
                }
                reading.fields.point = point.Value();
            }
            if (!reading.problem.empty()) {
                report.refused.push_back({line, reading.problem});
                continue;
            }
            const archive::TypedResultFields& fields = reading.fields;
            if (!points.IsNew(ReadingKey(fields.point, fields.method, fields.measured, fields.values))) {
                ++report.already;
                continue;
            }
            if (!dryRun) {
                if (auto stored = writer.Insert(fields); !stored) {
                    return stored.Error();
                }
            }
            ++report.taken;
        }
        return archive::Done{};
    });
    if (!done) {
        return done.Error();
    }
    return report;
}

}  // namespace terrovane::imports
