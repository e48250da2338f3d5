// Sites and their test points imported from a list, as a campaign is set up before any result exists.
#include "SiteImport.h"

#include <sqlite3.h>

#include <algorithm>
#include <set>

#include "DecimalMark.h"
#include "ImportFailure.h"
#include "ImportProblems.h"
#include "Json.h"
#include "Limits.h"
#include "Numbers.h"
#include "Sites.h"
#include "Transaction.h"

namespace terrovane::imports {
namespace {

using numbers::Json;

std::string_view TrimmedCell(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view()
                                           : text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The site of one row, or why not.
struct SiteRowReading {
    archive::SiteFields fields;
    std::vector<std::string> points;
    std::string problem;
};

// The columns of a list of sites, from 0; -1 for one the mapping does not name.
struct SiteColumns {
    int name = -1;
    int address = -1;
    int latitude = -1;
    int longitude = -1;
    int limit = -1;
    int interval = -1;
    int points = -1;
};

archive::Result<SiteColumns> FindSiteColumns(const SiteMapping& mapping, const SourceTable& table) {
    const std::vector<std::string> header = HeaderOf(mapping.Reading(), table);
    SiteColumns columns;
    auto name = FindColumn(mapping.name, header);
    if (!name) {
        return name.Error();
    }
    columns.name = name.Value();
    for (const auto& [column, index] :
         {std::pair{&mapping.address, &columns.address}, std::pair{&mapping.latitude, &columns.latitude},
          std::pair{&mapping.longitude, &columns.longitude}, std::pair{&mapping.limit, &columns.limit},
          std::pair{&mapping.interval, &columns.interval}, std::pair{&mapping.points, &columns.points}}) {
        if (*column) {
            auto found = FindColumn(**column, header);
            if (!found) {
                return found.Error();
            }
            *index = found.Value();
        }
    }
    return columns;
}

SiteRowReading ReadSiteRow(const SourceRow& row, const SiteMapping& mapping, const SiteColumns& columns,
                           bool decimalComma) {
    SiteRowReading reading;
    const auto cell = [&](int column) {
        return column >= 0 && static_cast<std::size_t>(column) < row.cells.size()
                   ? std::string(TrimmedCell(row.cells[static_cast<std::size_t>(column)].text))
                   : std::string();
    };
    const auto number = [&](int column, const char* what, std::optional<double>& out) {
        const std::string text = cell(column);
        if (text.empty()) {
            return true;
        }
        out = FileNumber(text, decimalComma);
        if (!out) {
            reading.problem = archive::Problem(archive::kValueNotANumber, {what, text});
        }
        return out.has_value();
    };
    reading.fields.name = cell(columns.name);
    if (reading.fields.name.empty()) {
        reading.problem = archive::Problem(kCellEmpty, {std::to_string(columns.name + 1)});
        return reading;
    }
    reading.fields.address = cell(columns.address);
    if (!number(columns.latitude, "latitude", reading.fields.latitude) ||
        !number(columns.longitude, "longitude", reading.fields.longitude)) {
        return reading;
    }
    if (const std::string limit = cell(columns.limit); !limit.empty()) {
        const std::optional<double> ohms = FileNumber(limit, decimalComma);
        const archive::Result<archive::Limit> parsed =
            archive::ParseLimit(ohms ? numbers::Shortest(*ohms) : limit);
        if (!parsed) {
            reading.problem = parsed.Error().Text();
            return reading;
        }
        reading.fields.limit = parsed.Value();
    }
    if (const std::string interval = cell(columns.interval); !interval.empty()) {
        reading.fields.intervalMonths = numbers::ParseInteger<int>(interval);
        if (!reading.fields.intervalMonths) {
            reading.problem = archive::Problem(archive::kIntervalOutOfRange);
            return reading;
        }
    }
    std::set<std::string> seen;
    const std::string list = cell(columns.points);
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t end = std::min(list.find(mapping.pointSeparator, at), list.size());
        const std::string point(TrimmedCell(std::string_view(list).substr(at, end - at)));
        if (!point.empty() && seen.insert(point).second) {
            reading.points.push_back(point);
        }
        at = end + mapping.pointSeparator.size();
    }
    return reading;
}

bool ReadColumnMember(const Json& document, const char* name, std::optional<ColumnRef>& column) {
    if (!document.contains(name)) {
        return true;
    }
    const Json& member = document[name];
    if (!member.is_object() || !member.contains("column")) {
        return false;
    }
    const Json& value = member["column"];
    if (value.is_string() && !value.get<std::string>().empty()) {
        column = ColumnRef{value.get<std::string>(), 0};
    } else if (value.is_number_integer() && value.get<long long>() >= 1 && value.get<long long>() <= 16384) {
        column = ColumnRef{{}, static_cast<int>(value.get<long long>())};
    } else {
        return false;
    }
    return true;
}

// A refusal of the archive's (a position out of range, a name taken) is the row's; any other failure is
// the archive's, and ends the unit.
bool IsArchiveFailure(archive::Database& db) {
    const int rc = db.ExtendedErrorCode();
    return rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW;
}

// What ends the unit: the archive's failure, or a refusal that came after part of the row was stored.
archive::Failure UnitFailure(archive::Database& db, const std::string& error) {
    if (IsArchiveFailure(db)) {
        return archive::LastFailure(db, db.ExtendedErrorCode());
    }
    archive::Failure failure;
    failure.code = archive::ErrorCode::Refused;
    failure.arguments = {error};
    failure.sqliteMessage = error;
    return failure;
}

}  // namespace

Mapping SiteMapping::Reading() const {
    Mapping reading;
    reading.headerRow = headerRow;
    reading.separator = separator;
    reading.decimal = decimal;
    reading.sheet = sheet;
    return reading;
}

archive::Result<SiteMapping> SiteMappingFromJson(std::string_view json) {
    // The file's own members are read as the readings' mapping reads them, with a stand-in for what that
    // one needs and a list of sites has not.
    Json document = Json::parse(json.begin(), json.end(), nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        return ImportRefusal(kMappingNotJson, {document.is_discarded() ? "not JSON" : "not an object"});
    }
    SiteMapping mapping;
    Json dialect = Json::object();
    for (const char* member : {"header_row", "separator", "decimal", "sheet"}) {
        if (document.contains(member)) {
            dialect[member] = document[member];
            document.erase(member);
        }
    }
    dialect["date"] = Json{{"column", 1}};
    dialect["point"] = Json{{"column", 1}};
    dialect["method"] = Json{{"fixed", "3-pole"}};
    dialect["values"] = Json::array({Json{{"name", "Re"}, {"column", 1}}});
    const auto read = MappingFromJson(dialect.dump());
    if (!read) {
        return read.Error();
    }
    const Mapping& reading = read.Value();
    mapping.headerRow = reading.headerRow;
    mapping.separator = reading.separator;
    mapping.decimal = reading.decimal;
    mapping.sheet = reading.sheet;
    std::optional<ColumnRef> name;
    if (!document.contains("name") || !ReadColumnMember(document, "name", name)) {
        return ImportRefusal(kMappingNeeds, {"name"});
    }
    mapping.name = *name;
    for (const auto& [member, column] :
         {std::pair{"address", &mapping.address}, std::pair{"latitude", &mapping.latitude},
          std::pair{"longitude", &mapping.longitude}, std::pair{"limit", &mapping.limit},
          std::pair{"interval", &mapping.interval}, std::pair{"points", &mapping.points}}) {
        if (!ReadColumnMember(document, member, *column)) {
            return ImportRefusal(kMappingInvalid, {std::string(member) + ".column",
                                                   "a column's header text or its number from 1"});
        }
        document.erase(member);
    }
    document.erase("name");
    if (mapping.points && document.contains("points_separator")) {
        if (!document["points_separator"].is_string() ||
            document["points_separator"].get<std::string>().empty()) {
            return ImportRefusal(kMappingInvalid, {"points_separator", "the text between two points' names"});
        }
        mapping.pointSeparator = document["points_separator"].get<std::string>();
    }
    document.erase("points_separator");
    if (!document.empty()) {
        return ImportRefusal(kMappingUnknownMember, {document.begin().key(),
                                                     "header_row, separator, decimal, sheet, name, address, "
                                                     "latitude, longitude, limit, interval, points, "
                                                     "points_separator"});
    }
    return mapping;
}

archive::Result<ImportReport> ImportSites(archive::Archive& archive, const SourceTable& table,
                                          const SiteMapping& mapping, bool dryRun) {
    auto columns = FindSiteColumns(mapping, table);
    if (!columns) {
        return columns.Error();
    }
    std::vector<std::pair<int, SiteRowReading>> readings;
    for (const SourceRow& row : table.rows) {
        if (row.line > mapping.headerRow && !IsBlankRow(row)) {
            readings.emplace_back(row.line, ReadSiteRow(row, mapping, columns.Value(), table.decimalComma));
        }
    }
    if (readings.empty()) {
        return ImportRefusal(kNoRows);
    }
    ImportReport report;
    const auto access = dryRun ? archive::Archive::Access::Read : archive::Archive::Access::Write;
    const archive::Status done = archive.Run(access, [&](archive::Database& db) -> archive::Status {
        report = ImportReport{};
        report.rows = static_cast<int>(readings.size());
        for (auto& [line, reading] : readings) {
            std::string error;
            std::optional<archive::SiteRow> site;
            if (reading.problem.empty()) {
                site = archive::FindSite(archive, reading.fields.name, error);
                if (!site && IsArchiveFailure(db)) {
                    return UnitFailure(db, error);
                }
            }
            if (!reading.problem.empty()) {
                report.refused.push_back({line, reading.problem});
                continue;
            }
            std::vector<archive::PointRow> points;
            if (site && !archive::Points(archive, site->id, points, error)) {
                return UnitFailure(db, error);
            }
            ++(site ? report.already : report.taken);
            if (dryRun) {
                continue;
            }
            std::int64_t id = site ? site->id : 0;
            if (!site && !archive::AddSite(archive, reading.fields, id, error)) {
                if (IsArchiveFailure(db)) {
                    return UnitFailure(db, error);
                }
                --report.taken;
                report.refused.push_back({line, error});
                continue;
            }
            for (const std::string& name : reading.points) {
                const bool there = std::any_of(points.begin(), points.end(), [&](const archive::PointRow& p) {
                    return p.fields.name == name;
                });
                archive::PointFields point;
                point.name = name;
                std::int64_t pointId = 0;
                if (!there && !archive::AddPoint(archive, id, point, pointId, error)) {
                    return UnitFailure(db, error);
                }
            }
        }
        return archive::Done{};
    });
    if (!done) {
        return done.Error();
    }
    return report;
}

}  // namespace terrovane::imports
