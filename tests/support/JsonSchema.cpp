#include "JsonSchema.h"

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>

#include "ScratchFolder.h"
#include "ServedScript.h"

namespace terrovane::testing {

namespace {

bool AsksForJson(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--format=json" ||
            (arguments[i] == "--format" && i + 1 < arguments.size() && arguments[i + 1] == "json"))
            return true;
    }
    return false;
}

bool Has(const std::vector<std::string>& arguments, const std::string& word) {
    return std::find(arguments.begin(), arguments.end(), word) != arguments.end();
}

}  // namespace

std::string JsonSchemaOf(const std::vector<std::string>& arguments) {
    if (arguments.empty() || !AsksForJson(arguments))
        return {};
    const std::string& command = arguments.front();
    if (command == "history")
        return Has(arguments, "--readouts") ? "history-readouts" : "history";
    if (command == "fop")
        return arguments.size() > 1 && arguments[1] == "plan" ? "fop-plan" : "fop";
    if (command == "site")
        return arguments.size() > 1 && arguments[1] == "reports" ? "site-reports" : "";
    if (command == "team")
        return arguments.size() > 1 && arguments[1] == "conflicts" ? "team-conflicts" : "";
    return command;
}

std::string JsonSchemaViolations(const std::string& schema, const std::string& json) {
    static int documents = 0;
    const std::string path =
        (ScratchFolder() / ("json-output-" + std::to_string(++documents) + ".json")).string();
    std::ofstream(path, std::ios::binary) << json;
    const std::string schemaPath =
        std::string(TERROVANE_SOURCE_DIR) + "/docs/schemas/" + schema + ".schema.json";
    const std::string request = nlohmann::json{{"schema", schemaPath}, {"document", path}}.dump();
    std::vector<std::string> lines;
    std::string error;
    if (!AskServedScript(TERROVANE_SOURCE_DIR "/tests/support/validate_json.py", request, lines, error))
        return schema + ": " + error;
    std::string said;
    for (const std::string& line : lines)
        said += line + "\n";
    return said.empty() ? std::string() : schema + ": " + said;
}

std::string CliJsonViolations(const std::vector<std::string>& arguments, const std::string& printed) {
    const std::string schema = JsonSchemaOf(arguments);
    if (schema.empty() || printed.empty())
        return {};
    return JsonSchemaViolations(schema, printed);
}

std::string CliJsonViolations(const std::string& arguments, const std::string& printed) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < arguments.size()) {
        const std::size_t end = std::min(arguments.find(' ', start), arguments.size());
        if (end > start)
            words.push_back(arguments.substr(start, end - start));
        start = end + 1;
    }
    return CliJsonViolations(words, printed);
}

}  // namespace terrovane::testing
