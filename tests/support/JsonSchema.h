#pragma once

#include <string>
#include <vector>

namespace terrovane::testing {

// The schema in docs/schemas/ that a terrovane-cli command's JSON output follows ("history" or
// "history-readouts", "team-conflicts", ...), or "" when the arguments ask for no JSON.
std::string JsonSchemaOf(const std::vector<std::string>& arguments);

// What in `json` breaks the schema named (one line per fault), or "" when it follows it. Checked by
// Python's jsonschema, a reader independent of the writers.
std::string JsonSchemaViolations(const std::string& schema, const std::string& json);

// Both at once, for a command line's words and what it printed: "" when it asked for no JSON.
std::string CliJsonViolations(const std::vector<std::string>& arguments, const std::string& printed);
// The same for arguments written as one shell line (split at spaces: the command and its options are
// all that decide the schema).
std::string CliJsonViolations(const std::string& arguments, const std::string& printed);

}  // namespace terrovane::testing
