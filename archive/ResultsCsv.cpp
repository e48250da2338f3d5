#include "ResultsOutput.h"
#include "Utf8Text.h"

namespace terrovane::archive {
namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kLineEnd = "\r\n";

std::string Line(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        line += (i == 0 ? "" : ",") + CsvField(fields[i]);
    }
    return line + kLineEnd;
}

std::string CsvInteger(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : std::string();
}

// A measured value as the instrument showed it: its number, or the text it shows for a code ("AFE").
// Empty for every other reading.
std::string MeasuredText(const format::Reading& reading) {
    if (!reading.IsMeasured()) {
        return {};
    }
    return reading.code != nullptr ? std::string(reading.code) : NumberText(reading.value);
}

// "Re>300000; Rh>300000": the values that were over range, with the bound the instrument showed.
std::string OverRangeBounds(const ResultView& view) {
    std::string bounds;
    for (std::size_t i = 0; i < kValueNames; ++i) {
        if (view.readings[i].IsOverRange()) {
            bounds += (bounds.empty() ? "" : "; ") + std::string(ValueQuantities()[i].name) + ">" +
                      NumberText(view.readings[i].value);
        }
    }
    return bounds;
}

std::vector<std::string> HeaderFields() {
    std::vector<std::string> fields = {"id",        "readout", "read_at", "port",  "slot", "mode",
                                       "mode_name", "date",    "time",    "label", "note"};
    for (const std::string& header : exporting::HeaderTexts()) {
        fields.push_back(header);
    }
    for (const NamedQuantity& named : ValueQuantities()) {
        fields.emplace_back(named.name);
    }
    for (const char* name :
         {"site", "point", "limit_ohm", "limit_source", "verdict", "validity", "over_range"}) {
        fields.emplace_back(name);
    }
    // Added after the columns files and peers already read: what marks a result typed by hand.
    for (const char* name :
         {"typed", "typed_result", "method", "instrument", "measured_by", "typed_by", "typed_at"}) {
        fields.emplace_back(name);
    }
    return fields;
}

std::vector<std::string> ResultFields(const ResultView& view) {
    std::vector<std::string> fields = {CsvInteger(view.id),
                                       CsvInteger(view.readout),
                                       view.readAt,
                                       view.port,
                                       view.typed ? std::string() : SlotText(view.slot),
                                       view.typed ? std::string() : std::to_string(view.mode),
                                       view.modeName,
                                       view.date,
                                       view.time,
                                       view.label,
                                       view.note};
    fields.insert(fields.end(), view.cells.begin(), view.cells.end());
    for (const format::Reading& reading : view.readings) {
        fields.push_back(MeasuredText(reading));
    }
    std::string validity;
    for (const std::string& note : view.validity) {
        validity += (validity.empty() ? "" : "; ") + note;
    }
    fields.insert(fields.end(),
                  {view.site, view.point, view.limit ? NumberText(view.limit->ohms) : std::string(),
                   view.limit ? view.limit->source : std::string(), VerdictWord(view.verdict), validity,
                   OverRangeBounds(view)});
    if (view.typed) {
        const TypedMark& typed = *view.typed;
        fields.insert(fields.end(), {"yes", std::to_string(typed.version), typed.method, typed.instrument,
                                     typed.measuredBy, typed.typedBy, typed.typedAt});
    } else {
        fields.insert(fields.end(), {"no", "", "", "", "", "", ""});
    }
    return fields;
}

}  // namespace

std::string CsvField(const std::string& text) {
    const std::string valid = ValidUtf8(text);
    if (valid.find_first_of(",\"\r\n") == std::string::npos) {
        return valid;
    }
    std::string quoted = "\"";
    for (char c : valid) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

std::string ResultsCsv(const std::vector<ResultView>& results) {
    std::string csv = kByteOrderMark + Line(HeaderFields());
    for (const ResultView& view : results) {
        csv += Line(ResultFields(view));
    }
    return csv;
}

std::string ReadOutsCsv(const std::vector<ReadOutRow>& readouts) {
    std::string csv = kByteOrderMark + Line({"id", "read_at", "port", "label", "note", "results"});
    for (const ReadOutRow& row : readouts) {
        csv += Line({std::to_string(row.id), row.readAt, row.port, row.label, row.note,
                     std::to_string(row.results.size())});
    }
    return csv;
}

}  // namespace terrovane::archive
