// The due list as CSV and JSON.
#include "DueFiles.h"

#include <nlohmann/json.hpp>

#include "ResultsOutput.h"

namespace terrovane::archive {
namespace {

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        line += (i == 0 ? "" : ",") + CsvField(fields[i]);
    }
    return line + "\r\n";
}

nlohmann::ordered_json TextOrNull(const std::string& text) {
    return text.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(text);
}

}  // namespace

std::string DueCsv(const std::vector<DueEntry>& entries) {
    std::string csv = "\xEF\xBB\xBF" + CsvLine({"site", "point", "last_tested", "last_result", "verdict",
                                                "due", "overdue", "interval_months", "failed_since"});
    for (const DueEntry& entry : entries) {
        const DuePoint& p = entry.due;
        csv += CsvLine({p.site, p.name, p.lastTested, entry.lastResult, VerdictWord(entry.verdict), p.dueOn,
                        p.overdue ? "true" : "false",
                        p.intervalMonths ? std::to_string(*p.intervalMonths) : std::string(),
                        std::to_string(p.failedSince)});
    }
    return csv;
}

std::string DueJson(const std::vector<DueEntry>& entries) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const DueEntry& entry : entries) {
        const DuePoint& p = entry.due;
        nlohmann::ordered_json item;
        item["site"] = p.site;
        item["point"] = p.name;
        item["last_tested"] = TextOrNull(p.lastTested);
        item["failed_since"] = p.failedSince;
        item["interval_months"] = p.intervalMonths ? nlohmann::ordered_json(*p.intervalMonths) : nullptr;
        item["due"] = TextOrNull(p.dueOn);
        item["overdue"] = p.overdue;
        item["last_result"] = TextOrNull(entry.lastResult);
        item["verdict"] = VerdictWord(entry.verdict);
        list.push_back(std::move(item));
    }
    return list.dump(1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace terrovane::archive
