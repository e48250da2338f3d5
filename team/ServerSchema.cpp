#include "ServerSchema.h"

#include "ServerSchemaText.h"

namespace terrovane::team {

namespace {

std::string Replaced(std::string text, const std::string& token, const std::string& by) {
    for (auto at = text.find(token); at != std::string::npos; at = text.find(token, at + by.size())) {
        text.replace(at, token.size(), by);
    }
    return text;
}

}  // namespace

const std::string& ServerSchemaSql() {
    static const std::string sql =
        std::string(kTablesSql) + kRightsSql + kChangeLogSql + kPushSql + kMembersSql +
        Replaced(Replaced(kPoliciesSql, "READ_RULE", kReadRule), "WRITE_RULE", kWriteRule) + kGrantsSql;
    return sql;
}

}  // namespace terrovane::team
