#include "TypedResultsJson.h"

#include <cmath>

#include "Numbers.h"
#include "ResultsOutput.h"
#include "TypedVerdict.h"

namespace terrovane::archive {
namespace {

std::string OptionalText(const std::string& text) {
    return text.empty() ? "null" : JsonString(text);
}

std::string OptionalId(const std::optional<std::int64_t>& id) {
    return id ? std::to_string(*id) : "null";
}

// The shortest text that reads back as the value; a whole number as digits alone (300000, not 3e+05),
// which every reader takes as the integer it is.
std::string Number(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<std::int64_t>(value));
    }
    return numbers::Shortest(value);
}

std::string Field(const char* name, const std::string& json) {
    return std::string(",\"") + name + "\":" + json;
}

// The typed values by name: readings, bounds of those over range, and each one's unit.
std::string ValueObjects(const std::vector<TypedValue>& values) {
    std::string readings;
    std::string bounds;
    std::string units;
    for (const TypedValue& value : values) {
        const std::string name = JsonString(value.name) + ":";
        readings += (readings.empty() ? "" : ",") + name + (value.overRange ? "null" : Number(value.number));
        if (value.overRange) {
            bounds += (bounds.empty() ? "" : ",") + name + Number(value.number);
        }
        const auto quantity = QuantityOfValue(value.name).value_or(TypedQuantity::Resistance);
        units += (units.empty() ? "" : ",") + name + JsonString(BaseUnitWord(quantity));
    }
    return Field("values", "{" + readings + "}") + Field("over_range", "{" + bounds + "}") +
           Field("units", "{" + units + "}");
}

}  // namespace

std::string TypedResultObject(const TypedResultVersion& v) {
    return "{\"typed\":true" + Field("id", std::to_string(v.id)) + Field("replaces", OptionalId(v.replaces)) +
           Field("replaced_by", OptionalId(v.replacedBy)) + Field("site", OptionalText(v.site)) +
           Field("point", OptionalText(v.pointName)) +
           Field("limit_ohm", v.limit ? Number(v.limit->ohms) : "null") +
           Field("limit_source", v.limit ? JsonString(v.limit->source) : "null") +
           Field("verdict", JsonString(VerdictWord(JudgeTyped(v.fields, v.limit)))) +
           Field("method", JsonString(v.fields.method)) + Field("date", JsonString(v.date)) +
           Field("time", JsonString(v.time)) + ValueObjects(v.fields.values) +
           Field("instrument", OptionalText(v.fields.instrument)) +
           Field("measured_by", OptionalText(v.fields.measuredBy)) +
           Field("note", OptionalText(v.fields.note)) + Field("typed_by", JsonString(v.fields.typedBy)) +
           Field("typed_at", JsonString(v.typedAt)) + "}";
}

std::string TypedResultsJson(const std::vector<TypedResultVersion>& versions) {
    std::string json = "[";
    for (std::size_t i = 0; i < versions.size(); ++i) {
        json += (i == 0 ? "\n" : ",\n") + TypedResultObject(versions[i]);
    }
    return json + (versions.empty() ? "]\n" : "\n]\n");
}

std::string AppendTypedJson(const std::string& resultsJson, const std::vector<TypedResultVersion>& typed) {
    if (typed.empty()) {
        return resultsJson;
    }
    // The array's closing line goes; the typed objects follow the read-outs' ones.
    std::string json = resultsJson.substr(0, resultsJson.rfind(']'));
    while (!json.empty() && json.back() == '\n') {
        json.pop_back();
    }
    for (std::size_t i = 0; i < typed.size(); ++i) {
        json += (json.size() == 1 ? "\n" : ",\n") + TypedResultObject(typed[i]);
    }
    return json + "\n]\n";
}

}  // namespace terrovane::archive
