#include <cmath>
#include <cstdio>

#include "Numbers.h"
#include "ResultsOutput.h"
#include "Utf8Text.h"

namespace terrovane::archive {
namespace {

std::string OptionalInteger(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : "null";
}

std::string OptionalText(const std::string& text) {
    return text.empty() ? "null" : JsonString(text);
}

std::string Field(const char* name, const std::string& json) {
    return std::string("\"") + name + "\":" + json;
}

std::string CellsArray(const exporting::RowTexts& cells) {
    std::string json = "[";
    for (std::size_t i = 0; i < cells.size(); ++i) {
        json += (i == 0 ? "" : ",") + JsonString(cells[i]);
    }
    return json + "]";
}

// A measured value as the instrument showed it: its number, or the text it shows for a code ("AFE").
std::string MeasuredJson(const format::Reading& reading) {
    if (!reading.IsMeasured()) {
        return "null";
    }
    return reading.code != nullptr ? JsonString(reading.code) : NumberText(reading.value);
}

std::string ValuesObject(const ResultView& view) {
    std::string json = "{";
    for (std::size_t i = 0; i < kValueNames; ++i) {
        json += (i == 0 ? "" : ",") + JsonString(ValueQuantities()[i].name) + ":" +
                MeasuredJson(view.readings[i]);
    }
    return json + "}";
}

// The values the instrument showed as over range, each with the bound it showed ("Rh": 300000).
std::string OverRangeObject(const ResultView& view) {
    std::string json = "{";
    for (std::size_t i = 0; i < kValueNames; ++i) {
        if (view.readings[i].IsOverRange()) {
            json += (json.size() == 1 ? "" : ",") + JsonString(ValueQuantities()[i].name) + ":" +
                    NumberText(view.readings[i].value);
        }
    }
    return json + "}";
}

std::string TextsArray(const std::vector<std::string>& texts) {
    std::string json = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        json += (i == 0 ? "" : ",") + JsonString(texts[i]);
    }
    return json + "]";
}

// Where the result was measured and whether it keeps the limit that applies there.
std::string VerdictFields(const ResultView& view) {
    return Field("site", OptionalText(view.site)) + "," + Field("point", OptionalText(view.point)) + "," +
           Field("limit_ohm", view.limit ? NumberText(view.limit->ohms) : std::string("null")) + "," +
           Field("limit_source", view.limit ? JsonString(view.limit->source) : std::string("null")) + "," +
           Field("verdict", JsonString(VerdictWord(view.verdict))) + "," +
           Field("validity", TextsArray(view.validity));
}

std::string ResultObject(const ResultView& view) {
    return "{" + Field("id", OptionalInteger(view.id)) + "," +
           Field("readout", OptionalInteger(view.readout)) + "," +
           Field("read_at", OptionalText(view.readAt)) + "," + Field("port", OptionalText(view.port)) + "," +
           Field("slot", std::to_string(view.slot)) + "," + Field("mode", std::to_string(view.mode)) + "," +
           Field("mode_name", JsonString(view.modeName)) + "," + Field("date", JsonString(view.date)) + "," +
           Field("time", JsonString(view.time)) + "," + Field("label", OptionalText(view.label)) + "," +
           Field("note", OptionalText(view.note)) + "," + VerdictFields(view) + "," +
           Field("cells", CellsArray(view.cells)) + "," + Field("values", ValuesObject(view)) + "," +
           Field("over_range", OverRangeObject(view)) + "}";
}

std::string ReadOutObject(const ReadOutRow& row) {
    std::string results = "[";
    for (std::size_t i = 0; i < row.results.size(); ++i) {
        results += (i == 0 ? "" : ",") + std::to_string(row.results[i]);
    }
    results += "]";
    return "{" + Field("id", std::to_string(row.id)) + "," + Field("read_at", JsonString(row.readAt)) + "," +
           Field("port", JsonString(row.port)) + "," + Field("label", OptionalText(row.label)) + "," +
           Field("note", OptionalText(row.note)) + "," + Field("results", results) + "}";
}

template <typename Row, typename Render>
std::string JsonArray(const std::vector<Row>& rows, Render render) {
    std::string json = "[";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        json += (i == 0 ? "\n" : ",\n") + render(rows[i]);
    }
    return json + (rows.empty() ? "]\n" : "\n]\n");
}

}  // namespace

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (const char c : ValidUtf8(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            json += escape;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string NumberText(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    // A whole number is written whole: "300000", not the shorter "3e+05".
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        return numbers::Fixed(value, 0);
    }
    const float single = static_cast<float>(value);
    // Values the instrument stored are single precision: print what it stored, not the widening's digits.
    return static_cast<double>(single) == value ? numbers::Shortest(single) : numbers::Shortest(value);
}

std::string ResultsJson(const std::vector<ResultView>& results) {
    return JsonArray(results, ResultObject);
}

std::string ReadOutsJson(const std::vector<ReadOutRow>& readouts) {
    return JsonArray(readouts, ReadOutObject);
}

}  // namespace terrovane::archive
