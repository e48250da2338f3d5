#include "ServerSchema.h"

#include "ServerSqlFiles.h"

namespace terrovane::team {

static_assert(std::size(kLayoutSteps) == kServerLayout, "one step file per layout");

std::string SchemaSqlFrom(int from) {
    // What the steps drop and make is the upgrade's own business: no notice of it for the office.
    std::string sql = "SET LOCAL client_min_messages = warning;\n";
    for (int step = from; step < kServerLayout; ++step) {
        sql += kLayoutSteps[step].text;
        sql += "\n";
    }
    // The functions belong to the role that owns the tables, so they run with its rights and nobody's else.
    sql +=
        "DO $$ BEGIN EXECUTE format('SET LOCAL ROLE %I', (SELECT value FROM terrovane.meta WHERE key = "
        "'api_role')); END $$;\n";
    for (const SqlFile& file : kFunctionFiles) {
        sql += file.text;
        sql += "\n";
    }
    sql += "RESET ROLE;\n";
    sql += kGrantsSql;
    sql += "\nINSERT INTO terrovane.meta (key, value) VALUES ('layout', '" + std::to_string(kServerLayout) +
           "') ON CONFLICT (key) DO UPDATE SET value = EXCLUDED.value;\n";
    return sql;
}

}  // namespace terrovane::team
