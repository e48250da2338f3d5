#include "ServerSchema.h"

#include "ServerSchemaText.h"

namespace terrovane::team {

const std::string& ServerSchemaSql() {
    static const std::string sql = std::string(kTablesSql) + kRightsSql + kChangeLogSql + kPushSql +
                                   kMembersSql + kPoliciesSql + kGrantsSql;
    return sql;
}

}  // namespace terrovane::team
