#include "Json.h"
#include "Numbers.h"
#include "ResultsOutput.h"

namespace terrovane::archive {
namespace {

using numbers::Json;

Json OptionalInteger(const std::optional<std::int64_t>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json OptionalText(const std::string& text) {
    return text.empty() ? Json(nullptr) : Json(text);
}

// A measured value as the instrument showed it: its number, or the text it shows for a code ("AFE").
Json MeasuredJson(const format::Reading& reading) {
    if (!reading.IsMeasured()) {
        return nullptr;
    }
    return reading.code != nullptr ? Json(reading.code) : numbers::JsonNumber(reading.value);
}

Json ValuesObject(const ResultView& view) {
    Json json = Json::object();
    for (std::size_t i = 0; i < kValueNames; ++i) {
        json[ValueQuantities()[i].name] = MeasuredJson(view.readings[i]);
    }
    return json;
}

// The values the instrument showed as over range, each with the bound it showed ("Rh": 300000).
Json OverRangeObject(const ResultView& view) {
    Json json = Json::object();
    for (std::size_t i = 0; i < kValueNames; ++i) {
        if (view.readings[i].IsOverRange()) {
            json[ValueQuantities()[i].name] = numbers::JsonNumber(view.readings[i].value);
        }
    }
    return json;
}

// Where the result was measured and whether it keeps the limit that applies there.
void AddVerdict(const ResultView& view, Json& json) {
    json["site"] = OptionalText(view.site);
    json["point"] = OptionalText(view.point);
    json["limit_ohm"] = view.limit ? numbers::JsonNumber(view.limit->ohms) : Json(nullptr);
    json["limit_source"] = view.limit ? Json(view.limit->source) : Json(nullptr);
    json["verdict"] = VerdictWord(view.verdict);
    json["validity"] = view.validity;
}

Json ResultObject(const ResultView& view) {
    Json json = {{"id", OptionalInteger(view.id)},
                 {"readout", OptionalInteger(view.readout)},
                 {"read_at", OptionalText(view.readAt)},
                 {"port", OptionalText(view.port)},
                 {"slot", view.slot},
                 {"mode", view.mode},
                 {"mode_name", view.modeName},
                 {"date", view.date},
                 {"time", view.time},
                 {"label", OptionalText(view.label)},
                 {"note", OptionalText(view.note)}};
    AddVerdict(view, json);
    json["cells"] = view.cells;
    json["values"] = ValuesObject(view);
    json["over_range"] = OverRangeObject(view);
    return json;
}

Json ReadOutObject(const ReadOutRow& row) {
    return {{"id", row.id},
            {"read_at", row.readAt},
            {"port", row.port},
            {"label", OptionalText(row.label)},
            {"note", OptionalText(row.note)},
            {"results", row.results}};
}

template <typename Row, typename Render>
std::string JsonArray(const std::vector<Row>& rows, Render render) {
    Json json = Json::array();
    for (const Row& row : rows) {
        json.push_back(render(row));
    }
    return numbers::JsonLines(json);
}

}  // namespace

std::string JsonString(const std::string& text) {
    return numbers::JsonText(Json(text));
}

std::string NumberText(double value) {
    // The one number writer of every JSON, so the CSV, the workbook and the reports say what the JSON says.
    return numbers::JsonText(numbers::JsonNumber(value));
}

std::string ResultsJson(const std::vector<ResultView>& results) {
    return JsonArray(results, ResultObject);
}

std::string ReadOutsJson(const std::vector<ReadOutRow>& readouts) {
    return JsonArray(readouts, ReadOutObject);
}

}  // namespace terrovane::archive
