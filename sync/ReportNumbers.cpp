// Report numbers counted by the team's server.
#include "ReportNumbers.h"

#include "LocalSql.h"
#include "ServerSchema.h"
#include "SyncState.h"

namespace terrovane::sync {

archive::Result<bool> InTeam(archive::Archive& archive) {
    bool inTeam = false;
    const archive::Status read = archive.Run(archive::Archive::Access::Read, [&](archive::Database& db) {
        try {
            inTeam = !StateValue(db, "server", "").empty();
        } catch (const LocalFailure& failure) {
            return archive::Status(archive::FailureOf(failure.Code(), failure.what()));
        }
        return archive::Status(archive::Done{});
    });
    if (!read) {
        return read.Error();
    }
    return inTeam;
}

archive::ServerReportNumber IssueServerReportNumber(const pg::ConnectOptions& connection,
                                                    const std::string& prefix, int year) {
    using Outcome = archive::ServerReportNumber::Outcome;
    archive::ServerReportNumber answer;
    const auto failed = [&](const pg::QueryResult& failure) {
        answer.outcome =
            failure.error == pg::ErrorClass::ConnectionLost || failure.error == pg::ErrorClass::Timeout
                ? Outcome::Unreachable
            : failure.sqlState == "42501" ? Outcome::Refused
                                          : Outcome::Failed;
        answer.detail = failure.Explained();
        return answer;
    };
    pg::QueryResult failure;
    const std::unique_ptr<pg::Connection> server = pg::Connection::Open(connection, failure);
    if (server == nullptr) {
        return failed(failure);
    }
    const pg::QueryResult issued =
        server->Query("SELECT terrovane.issue_report_number($1, $2, $3::integer)",
                      {std::to_string(team::kServerLayout), prefix, std::to_string(year)});
    if (!issued.Ok()) {
        return failed(issued);
    }
    answer.outcome = Outcome::Issued;
    answer.number = issued.Scalar();
    answer.by = server->User();
    return answer;
}

}  // namespace terrovane::sync
