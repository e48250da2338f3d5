#include "TypedResultsJson.h"

#include "Json.h"
#include "ResultsOutput.h"
#include "TypedVerdict.h"

namespace terrovane::archive {
namespace {

using numbers::Json;

Json OptionalText(const std::string& text) {
    return text.empty() ? Json(nullptr) : Json(text);
}

Json OptionalId(const std::optional<std::int64_t>& id) {
    return id ? Json(*id) : Json(nullptr);
}

// The typed values by name: readings, bounds of those over range, and each one's unit.
void AddValues(const std::vector<TypedValue>& values, Json& json) {
    Json readings = Json::object();
    Json bounds = Json::object();
    Json units = Json::object();
    for (const TypedValue& value : values) {
        readings[value.name] = value.overRange ? Json(nullptr) : numbers::JsonNumber(value.number);
        if (value.overRange) {
            bounds[value.name] = numbers::JsonNumber(value.number);
        }
        units[value.name] = BaseUnitWord(QuantityOfValue(value.name).value_or(TypedQuantity::Resistance));
    }
    json["values"] = std::move(readings);
    json["over_range"] = std::move(bounds);
    json["units"] = std::move(units);
}

Json TypedResultJson(const TypedResultVersion& v) {
    Json json = {{"typed", true},
                 {"id", v.id},
                 {"replaces", OptionalId(v.replaces)},
                 {"replaced_by", OptionalId(v.replacedBy)},
                 {"site", OptionalText(v.site)},
                 {"point", OptionalText(v.pointName)},
                 {"limit_ohm", v.limit ? numbers::JsonNumber(v.limit->ohms) : Json(nullptr)},
                 {"limit_source", v.limit ? Json(v.limit->source) : Json(nullptr)},
                 {"verdict", VerdictWord(JudgeTyped(v.fields, v.limit))},
                 {"method", v.fields.method},
                 {"date", v.date},
                 {"time", v.time}};
    AddValues(v.fields.values, json);
    json["instrument"] = OptionalText(v.fields.instrument);
    json["measured_by"] = OptionalText(v.fields.measuredBy);
    json["note"] = OptionalText(v.fields.note);
    json["typed_by"] = v.fields.typedBy;
    json["typed_at"] = v.typedAt;
    return json;
}

}  // namespace

std::string TypedResultsJson(const std::vector<TypedResultVersion>& versions) {
    Json json = Json::array();
    for (const TypedResultVersion& version : versions) {
        json.push_back(TypedResultJson(version));
    }
    return numbers::JsonLines(json);
}

std::string AppendTypedJson(const std::string& resultsJson, const std::vector<TypedResultVersion>& typed) {
    if (typed.empty()) {
        return resultsJson;
    }
    // The listing is this program's own array; the typed objects follow the read-outs' ones.
    Json json = Json::parse(resultsJson, nullptr, false);
    if (!json.is_array()) {
        return resultsJson;  // never made here: every listing is an array
    }
    for (const TypedResultVersion& version : typed) {
        json.push_back(TypedResultJson(version));
    }
    return numbers::JsonLines(json);
}

}  // namespace terrovane::archive
