// The mapping of a file's columns, read from and written as JSON.
#include "ImportMapping.h"

#include <algorithm>

#include "ImportFailure.h"
#include "ImportProblems.h"
#include "Json.h"
#include "TypedMethods.h"

namespace terrovane::imports {
namespace {

using numbers::Json;

archive::Failure Invalid(const std::string& member, const char* takes) {
    return ImportRefusal(kMappingInvalid, {member, takes});
}

constexpr const char* kColumnForm = "a column's header text or its number from 1";

bool ReadColumn(const Json& value, ColumnRef& column) {
    if (value.is_string() && !value.get<std::string>().empty()) {
        column = {value.get<std::string>(), 0};
        return true;
    }
    if (value.is_number_integer() && value.get<long long>() >= 1 && value.get<long long>() <= 16384) {
        column = {{}, static_cast<int>(value.get<long long>())};
        return true;
    }
    return false;
}

Json ColumnJson(const ColumnRef& column) {
    return column.header.empty() ? Json(column.number) : Json(column.header);
}

// {"column": C} or {"fixed": "text"}; absent is no text at all.
std::optional<archive::Failure> ReadText(const Json& document, const char* name, TextSource& text) {
    if (!document.contains(name)) {
        return std::nullopt;
    }
    const Json& member = document[name];
    if (member.is_object() && member.contains("column")) {
        ColumnRef column;
        if (!ReadColumn(member["column"], column)) {
            return Invalid(std::string(name) + ".column", kColumnForm);
        }
        text.column = column;
    } else if (member.is_object() && member.contains("fixed") && member["fixed"].is_string()) {
        text.fixed = member["fixed"].get<std::string>();
    } else {
        return Invalid(name, "{\"column\": ...} or {\"fixed\": \"text\"}");
    }
    return std::nullopt;
}

void WriteText(Json& document, const char* name, const TextSource& text) {
    if (text.column) {
        document[name] = Json{{"column", ColumnJson(*text.column)}};
    } else if (!text.fixed.empty()) {
        document[name] = Json{{"fixed", text.fixed}};
    }
}

// {"column": C, "format": "..."}: the member's column and format.
std::optional<archive::Failure> ReadDated(const Json& member, const char* name, ColumnRef& column,
                                          std::string& format) {
    if (!member.is_object() || !member.contains("column") || !ReadColumn(member["column"], column)) {
        return Invalid(std::string(name) + ".column", kColumnForm);
    }
    if (member.contains("format")) {
        if (!member["format"].is_string() || member["format"].get<std::string>().empty()) {
            return Invalid(std::string(name) + ".format", "a format such as dd.MM.yyyy HH:mm");
        }
        format = member["format"].get<std::string>();
    }
    return std::nullopt;
}

std::optional<archive::Failure> ReadDialect(const Json& document, Mapping& mapping) {
    if (document.contains("header_row")) {
        const Json& row = document["header_row"];
        if (!row.is_number_integer() || row.get<long long>() < 0 || row.get<long long>() > 1000) {
            return Invalid("header_row", "the row of the column names from 1, or 0 for none");
        }
        mapping.headerRow = static_cast<int>(row.get<long long>());
    }
    if (document.contains("separator")) {
        const std::string separator =
            document["separator"].is_string() ? document["separator"].get<std::string>() : "?";
        static const std::map<std::string, char> kSeparatorWords = {{"auto", 0},   {",", ','},   {";", ';'},
                                                                    {"tab", '\t'}, {"\t", '\t'}, {"|", '|'}};
        const auto found = kSeparatorWords.find(separator);
        if (found == kSeparatorWords.end()) {
            return Invalid("separator", "auto, \",\", \";\", \"tab\" or \"|\"");
        }
        mapping.separator = found->second;
    }
    if (document.contains("decimal")) {
        const std::string decimal =
            document["decimal"].is_string() ? document["decimal"].get<std::string>() : "?";
        if (decimal != "auto" && decimal != "point" && decimal != "comma") {
            return Invalid("decimal", "auto, point or comma");
        }
        mapping.decimal = decimal == "point"   ? CsvDialect::Decimal::Point
                          : decimal == "comma" ? CsvDialect::Decimal::Comma
                                               : CsvDialect::Decimal::Find;
    }
    if (document.contains("sheet")) {
        if (!document["sheet"].is_string()) {
            return Invalid("sheet", "a sheet's name");
        }
        mapping.sheet = document["sheet"].get<std::string>();
    }
    if (document.contains("over_range_mark")) {
        if (!document["over_range_mark"].is_string() ||
            document["over_range_mark"].get<std::string>().empty()) {
            return Invalid("over_range_mark", "the text before a bound, such as \">\"");
        }
        mapping.overRangeMark = document["over_range_mark"].get<std::string>();
    }
    return std::nullopt;
}

std::optional<archive::Failure> ReadMethod(const Json& document, Mapping& mapping) {
    if (auto failure = ReadText(document, "method", mapping.method)) {
        return failure;
    }
    if (document.contains("method") && document["method"].contains("names")) {
        const Json& names = document["method"]["names"];
        if (!names.is_object()) {
            return Invalid("method.names", "an object of a file's method names and the methods they are");
        }
        for (const auto& [name, code] : names.items()) {
            if (!code.is_string() || archive::FindTypedMethod(code.get<std::string>()) == nullptr) {
                return Invalid("method.names", "method codes such as 3-pole or fall-of-potential");
            }
            mapping.methodNames[name] = code.get<std::string>();
        }
    }
    if (!mapping.method.column && mapping.method.fixed.empty()) {
        return ImportRefusal(kMappingNeeds, {"method"});
    }
    if (!mapping.method.column && archive::FindTypedMethod(mapping.method.fixed) == nullptr) {
        return Invalid("method.fixed", "a method code such as 3-pole or fall-of-potential");
    }
    return std::nullopt;
}

std::optional<archive::Failure> ReadValues(const Json& document, Mapping& mapping) {
    if (!document.contains("values") || !document["values"].is_array() || document["values"].empty()) {
        return ImportRefusal(kMappingNeeds, {"values"});
    }
    for (const Json& value : document["values"]) {
        ValueColumn column;
        if (!value.is_object() || !value.contains("name") || !value["name"].is_string() ||
            !archive::QuantityOfValue(value["name"].get<std::string>())) {
            return Invalid("values.name", "Re, Rs, Rh, Rk, Rac, R, rho or I");
        }
        column.name = value["name"].get<std::string>();
        if (!value.contains("column") || !ReadColumn(value["column"], column.column)) {
            return Invalid("values.column", kColumnForm);
        }
        if (value.contains("unit")) {
            if (!value["unit"].is_string()) {
                return Invalid("values.unit",
                               "a unit such as \u03a9, k\u03a9, m\u03a9, \u03a9\u00b7m, A or mA");
            }
            column.unit = value["unit"].get<std::string>();
        }
        mapping.values.push_back(column);
    }
    return std::nullopt;
}

std::optional<archive::Failure> ReadPlace(const Json& document, Mapping& mapping) {
    if (!document.contains("point")) {
        return ImportRefusal(kMappingNeeds, {"point"});
    }
    if (!document["point"].is_object() || !document["point"].contains("column") ||
        !ReadColumn(document["point"]["column"], mapping.point)) {
        return Invalid("point.column", kColumnForm);
    }
    if (document.contains("site")) {
        ColumnRef site;
        if (!document["site"].is_object() || !document["site"].contains("column") ||
            !ReadColumn(document["site"]["column"], site)) {
            return Invalid("site.column", kColumnForm);
        }
        mapping.site = site;
    }
    return std::nullopt;
}

}  // namespace

archive::Result<Mapping> MappingFromJson(std::string_view json) {
    const Json document = Json::parse(json.begin(), json.end(), nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        return ImportRefusal(kMappingNotJson, {document.is_discarded() ? "not JSON" : "not an object"});
    }
    static const std::vector<std::string> kMembers = {
        "header_row", "separator", "decimal", "sheet",           "date",       "time",        "site",
        "point",      "method",    "values",  "over_range_mark", "instrument", "measured_by", "note"};
    for (const auto& [member, value] : document.items()) {
        if (std::find(kMembers.begin(), kMembers.end(), member) == kMembers.end()) {
            std::string list;
            for (const std::string& known : kMembers) {
                list += (list.empty() ? "" : ", ") + known;
            }
            return ImportRefusal(kMappingUnknownMember, {member, list});
        }
    }
    Mapping mapping;
    if (!document.contains("date")) {
        return ImportRefusal(kMappingNeeds, {"date"});
    }
    std::optional<archive::Failure> failure = ReadDialect(document, mapping);
    if (!failure) {
        failure = ReadDated(document["date"], "date", mapping.date, mapping.dateFormat);
    }
    if (!failure && document.contains("time")) {
        ColumnRef time;
        failure = ReadDated(document["time"], "time", time, mapping.timeFormat);
        mapping.time = time;
    }
    for (const auto& step : {ReadPlace, ReadMethod, ReadValues}) {
        failure = failure ? failure : step(document, mapping);
    }
    for (const auto& [name, text] :
         {std::pair{"instrument", &mapping.instrument}, std::pair{"measured_by", &mapping.measuredBy},
          std::pair{"note", &mapping.note}}) {
        failure = failure ? failure : ReadText(document, name, *text);
    }
    if (failure) {
        return *failure;
    }
    return mapping;
}

std::string MappingJson(const Mapping& mapping) {
    Json document;
    document["header_row"] = mapping.headerRow;
    static const std::map<char, const char*> kSeparatorNames = {
        {0, "auto"}, {',', ","}, {';', ";"}, {'\t', "tab"}, {'|', "|"}};
    document["separator"] =
        kSeparatorNames.count(mapping.separator) ? kSeparatorNames.at(mapping.separator) : "auto";
    document["decimal"] = mapping.decimal == CsvDialect::Decimal::Point   ? "point"
                          : mapping.decimal == CsvDialect::Decimal::Comma ? "comma"
                                                                          : "auto";
    if (!mapping.sheet.empty()) {
        document["sheet"] = mapping.sheet;
    }
    document["date"] = Json{{"column", ColumnJson(mapping.date)}, {"format", mapping.dateFormat}};
    if (mapping.time) {
        document["time"] = Json{{"column", ColumnJson(*mapping.time)}, {"format", mapping.timeFormat}};
    }
    if (mapping.site) {
        document["site"] = Json{{"column", ColumnJson(*mapping.site)}};
    }
    document["point"] = Json{{"column", ColumnJson(mapping.point)}};
    WriteText(document, "method", mapping.method);
    if (!mapping.methodNames.empty() && mapping.method.column) {
        Json names = Json::object();
        for (const auto& [name, code] : mapping.methodNames) {
            names[name] = code;
        }
        document["method"]["names"] = names;
    }
    Json values = Json::array();
    for (const ValueColumn& value : mapping.values) {
        Json entry{{"name", value.name}, {"column", ColumnJson(value.column)}};
        if (!value.unit.empty()) {
            entry["unit"] = value.unit;
        }
        values.push_back(entry);
    }
    document["values"] = values;
    document["over_range_mark"] = mapping.overRangeMark;
    WriteText(document, "instrument", mapping.instrument);
    WriteText(document, "measured_by", mapping.measuredBy);
    WriteText(document, "note", mapping.note);
    return document.dump(2) + "\n";
}

std::vector<std::string> HeaderOf(const Mapping& mapping, const SourceTable& table) {
    std::vector<std::string> header;
    for (const SourceRow& row : table.rows) {
        if (mapping.headerRow > 0 && row.line == mapping.headerRow) {
            for (const Cell& cell : row.cells) {
                header.push_back(cell.text);
            }
        }
    }
    return header;
}

archive::Result<int> FindColumn(const ColumnRef& column, const std::vector<std::string>& header) {
    if (column.header.empty()) {
        return column.number - 1;
    }
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == column.header) {
            return static_cast<int>(i);
        }
    }
    return ImportRefusal(kNoSuchColumn, {column.header});
}

archive::Result<ColumnIndex> ResolveColumns(const Mapping& mapping, const SourceTable& table) {
    const std::vector<std::string> header = HeaderOf(mapping, table);
    std::optional<archive::Failure> failure;
    const auto find = [&](const ColumnRef& column) {
        if (column.header.empty()) {
            return column.number - 1;
        }
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (header[i] == column.header) {
                return static_cast<int>(i);
            }
        }
        if (!failure) {
            failure = ImportRefusal(kNoSuchColumn, {column.header});
        }
        return -1;
    };
    const auto findOptional = [&](const std::optional<ColumnRef>& column) {
        return column ? find(*column) : -1;
    };
    ColumnIndex index;
    index.date = find(mapping.date);
    index.time = findOptional(mapping.time);
    index.site = findOptional(mapping.site);
    index.point = find(mapping.point);
    index.method = findOptional(mapping.method.column);
    for (const ValueColumn& value : mapping.values) {
        index.values.push_back(find(value.column));
    }
    index.instrument = findOptional(mapping.instrument.column);
    index.measuredBy = findOptional(mapping.measuredBy.column);
    index.note = findOptional(mapping.note.column);
    if (failure) {
        return *failure;
    }
    return index;
}

}  // namespace terrovane::imports
