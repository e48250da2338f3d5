#include <map>
#include <thread>

#include "Batch.h"
#include "BlankSlots.h"
#include "Files.h"
#include "Firm.h"
#include "FirmSync.h"
#include "LocalSql.h"
#include "Pull.h"
#include "ServerSchema.h"
#include "SyncIds.h"
#include "SyncReport.h"
#include "SyncState.h"
#include "TextArray.h"

namespace terrovane::sync {
namespace {

using archive::Archive;
using archive::Database;

// Pushes, then pulls; a pull that brought changes this PC must answer (a site kept for its results, a
// name made unique) pushes and pulls again.
constexpr int kRounds = 3;
constexpr int kAttempts = 5;

class Session {
  public:
    Session(const SyncOptions& options, pg::Connection& server, Archive& archive, SyncReport& report)
        : options_(options), server_(server), archive_(archive), report_(report) {}

    bool CheckServer();
    // Whether the sync was asked to stop; noted in the report as how it ended.
    bool Cancelled();
    bool CancelAsked() const;
    bool PushAll();
    bool PullAll();
    // Conflicts settled here, settled on the server too.
    bool SettleConflicts();
    bool HasUnsent();
    // The firm's profile: a change made here sent (the server takes it from admins only), then the server's
    // taken when its version is not the one held.
    bool SyncFirm();
    // Photos, documents and issued reports, after the rows they attach to have gone both ways.
    bool SyncFiles();
    // The bodies of the page's content this archive does not hold yet.
    bool FetchMissingBodies(std::vector<PulledChange>& changes);
    void Summarise();

  private:
    template <typename Work>
    bool Local(Work&& work);
    bool ServerFailed(const pg::QueryResult& failure);
    pg::QueryResult Call(const std::string& sql, const pg::Parameters& parameters,
                         const std::vector<bool>& binary = {});
    std::string Layout() const { return std::to_string(team::kServerLayout); }

    const SyncOptions& options_;
    pg::Connection& server_;
    Archive& archive_;
    SyncReport& report_;
    std::string device_;
};

// One unit of work on the archive; a failure ends the sync with the archive's message.
template <typename Work>
bool Session::Local(Work&& work) {
    const archive::Status status = archive_.Run(Archive::Access::Write, [&](Database& db) -> archive::Status {
        try {
            work(db);
        } catch (const LocalFailure& failure) {
            return archive::FailureOf(failure.Code() == 0 ? 1 : failure.Code(), failure.what());
        } catch (const std::exception& failure) {
            // Not expected (a number the server sent that is none, memory): the unit is undone, nothing lost.
            return archive::FailureOf(1, failure.what());
        }
        return archive::Done{};
    });
    if (!status) {
        report_.error = SyncError::ArchiveFailed;
        report_.detail = status.Error().Text();
    }
    return status.Ok();
}

bool Session::ServerFailed(const pg::QueryResult& failure) {
    switch (failure.error) {
        case pg::ErrorClass::ConnectionLost:
        case pg::ErrorClass::Timeout:
            report_.error = SyncError::CannotReach;
            break;
        case pg::ErrorClass::Rejected:
            report_.error = failure.sqlState == "42501" ? SyncError::NotMember : SyncError::ServerFailed;
            break;
        default:
            report_.error =
                failure.sqlState == "3F000" || failure.sqlState == "42883" || failure.sqlState == "42P01"
                    ? SyncError::NoTeamSchema
                    : SyncError::ServerFailed;
    }
    report_.detail = failure.Explained();
    return false;
}

// One call in a transaction of its own, made again on a serialization failure or a deadlock.
pg::QueryResult Session::Call(const std::string& sql, const pg::Parameters& parameters,
                              const std::vector<bool>& binary) {
    pg::QueryResult result;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        result = server_.Query(sql, parameters, binary);
        if (result.error != pg::ErrorClass::RetryTransaction) {
            break;
        }
    }
    return result;
}

bool Session::CheckServer() {
    if (!Local(
            [&](Database& db) { device_ = Single(db, "SELECT device FROM archive_clock").value_or(""); })) {
        return false;
    }
    const pg::QueryResult answer = Call("SELECT terrovane.sign_in($1, $2::uuid)::text", {Layout(), device_});
    if (!answer.Ok()) {
        return ServerFailed(answer);
    }
    std::string status;
    std::string server;
    std::string rights;
    std::string knownServer;
    std::string oldXid;
    std::string oldSeq;
    bool cursorKnown = true;
    if (!Local([&](Database& db) {
            const std::vector<SqlRow> said = Rows(db,
                                                  "SELECT json_extract(?1, '$.status'), json_extract(?1, "
                                                  "'$.server'), json_extract(?1, '$.rights')",
                                                  {answer.Scalar()});
            status = said[0][0].value_or("");
            server = said[0][1].value_or("");
            rights = said[0][2].value_or("");
            knownServer = StateValue(db, "server", "");
            if (status == "ok" && knownServer.empty()) {
                SetStateValue(db, "server", server);
            }
            if (status == "ok" && (knownServer.empty() || knownServer == server)) {
                // Other rights since the last sync: what the old ones refused is sent again.
                const std::string before = StateValue(db, "rights", "");
                if (!before.empty() && before != rights) {
                    SendRefusedAgain(db);
                }
                SetStateValue(db, "rights", rights);
            }
            cursorKnown = !StateValue(db, "cursor", "").empty();
            oldXid = StateValue(db, "cursor_xid", "0");
            oldSeq = StateValue(db, "cursor_seq", "0");
        })) {
        return false;
    }
    if (status == "other_login") {
        report_.error = SyncError::OtherLogin;
        return false;
    }
    if (status != "ok") {
        report_.error = SyncError::ServerFailed;
        report_.detail = "an answer to the sign-in that is none: " + answer.Scalar();
        return false;
    }
    if (!knownServer.empty() && knownServer != server) {
        report_.error = SyncError::OtherServer;
        return false;
    }
    if (cursorKnown) {
        return true;
    }
    // An archive that pulled from a server of an earlier layout: its place in the log, translated once.
    std::string cursor = "0";
    if (oldXid != "0" || oldSeq != "0") {
        const pg::QueryResult translated =
            Call("SELECT terrovane.cursor_after($1::xid8, $2::bigint)", {oldXid, oldSeq});
        if (!translated.Ok()) {
            return ServerFailed(translated);
        }
        cursor = translated.Scalar();
    }
    return Local([&](Database& db) { SetStateValue(db, "cursor", cursor); });
}

bool Session::CancelAsked() const {
    return options_.cancel != nullptr && options_.cancel->load();
}

bool Session::Cancelled() {
    if (!CancelAsked()) {
        return false;
    }
    report_.error = SyncError::Cancelled;
    return true;
}

bool Session::PushAll() {
    if (Cancelled()) {
        return false;
    }
    std::optional<Batch> batch;
    if (!Local([&](Database& db) { batch = NextBatch(db, options_.batchSize); })) {
        return false;
    }
    while (batch) {
        const pg::QueryResult answer =
            Call("SELECT terrovane.push($1, $2::uuid, $3::bigint, $4::jsonb, $5::bytea[])::text",
                 {Layout(), device_, std::to_string(batch->number), batch->sent,
                  batch->images.empty() ? std::nullopt : std::optional(std::move(batch->images))},
                 {false, false, false, false, true});
        if (!answer.Ok()) {
            return ServerFailed(answer);
        }
        BatchAnswer outcome;
        std::optional<Batch> next;
        // The answer and the next batch in one unit of work, written to the disk at once.
        if (!Local([&](Database& db) {
                outcome = Acknowledge(db, *batch, answer.Scalar());
                const bool goOn = outcome.status == BatchAnswer::Status::Applied ||
                                  outcome.status == BatchAnswer::Status::Gap;
                if (goOn && !CancelAsked()) {
                    next = NextBatch(db, options_.batchSize);
                }
            })) {
            return false;
        }
        report_.pushed += outcome.taken;
        report_.rejected += outcome.rejected;
        report_.clamped += outcome.clamped;
        if (outcome.status == BatchAnswer::Status::OtherLogin) {
            report_.error = SyncError::OtherLogin;
            return false;
        }
        if (outcome.status == BatchAnswer::Status::Copied) {
            // A copy of this archive (or this archive restored) sent other changes under this device: this
            // one becomes a device of its own and sends its kept changes again as that device's.
            if (!Local([&](Database& db) { BecomeNewDevice(db); }) || !CheckServer() ||
                !Local([&](Database& db) { next = NextBatch(db, options_.batchSize); })) {
                return false;
            }
            batch = std::move(next);
            continue;
        }
        if (outcome.status == BatchAnswer::Status::Layout) {
            report_.error = outcome.serverLayout > team::kServerLayout ? SyncError::UpdateProgram
                                                                       : SyncError::UpdateServer;
            return false;
        }
        if (outcome.status == BatchAnswer::Status::Unreadable) {
            report_.error = SyncError::ServerFailed;
            report_.detail = "an answer to a batch that is none: " + answer.Scalar();
            return false;
        }
        if (Cancelled()) {
            return false;
        }
        batch = std::move(next);
    }
    return true;
}

bool Session::SettleConflicts() {
    std::vector<std::string> settled;
    if (!Local([&](Database& db) {
            for (const SqlRow& row : Rows(db, "SELECT ref FROM sync_outbox WHERE kind = 'conflict'")) {
                settled.push_back(row[0].value_or(""));
            }
        })) {
        return false;
    }
    for (const std::string& seq : settled) {
        const pg::QueryResult done = Call("SELECT terrovane.resolve_conflict($1::bigint)", {seq});
        if (!done.Ok() && done.error != pg::ErrorClass::Rejected) {
            return ServerFailed(done);
        }
        // Refused (no right to settle it): it stays listed on the other PCs.
        if (!Local([&](Database& db) {
                Exec(db, "DELETE FROM sync_outbox WHERE kind = 'conflict' AND ref = ?1", {seq});
            })) {
            return false;
        }
    }
    return true;
}

bool Session::PullAll() {
    while (true) {
        if (Cancelled()) {
            return false;
        }
        std::string cursor;
        if (!Local([&](Database& db) { cursor = StateValue(db, "cursor", "0"); })) {
            return false;
        }
        // The log is in commit order (the server's writers take one lock): a change not committed yet comes
        // after every change handed out now, so nothing is waited for and nothing is skipped.
        const pg::QueryResult page = Call(
            // Bodies of content come apart, only for what this archive does not hold (its own, mostly).
            "SELECT ord::text, source, kind, id, field, site::text, "
            "CASE WHEN source = 'content' THEN NULL ELSE value::text END, stamp, changed_by "
            "FROM terrovane.pull($1, $2::bigint, $3)",
            {Layout(), cursor, std::to_string(options_.pageSize)});
        if (!page.Ok()) {
            return ServerFailed(page);
        }
        if (page.rows.empty()) {
            return true;
        }
        std::vector<PulledChange> changes;
        for (const auto& row : page.rows) {
            changes.push_back({*row[0], *row[1], *row[2], *row[3], row[4], row[5], row[6], row[7], row[8]});
        }
        if (!FetchMissingBodies(changes)) {
            return false;
        }
        if (!Local([&](Database& db) {
                // Another sync of this archive stored this page meanwhile: its cursor moved on.
                if (StateValue(db, "cursor", "0") == cursor) {
                    report_.pulled += ApplyPage(archive_, db, changes);
                }
            })) {
            return false;
        }
    }
}

bool Session::FetchMissingBodies(std::vector<PulledChange>& changes) {
    std::vector<std::string> missing;
    if (!Local([&](Database& db) {
            const PreparedOnce prepared(db);
            for (const PulledChange& change : changes) {
                if (change.source != "content") {
                    continue;
                }
                const std::optional<std::string> held =
                    Single(db, "SELECT local_id FROM sync_content WHERE kind = ?1 AND key = ?2",
                           {change.kind, change.id});
                if (!held || WantsSlotsFilled(db, *held, change)) {
                    missing.push_back(change.id);
                }
            }
        })) {
        return false;
    }
    if (missing.empty()) {
        return true;
    }
    // The keys go as one array parameter with each element quoted: a key is another member's text.
    const pg::QueryResult bodies =
        Call("SELECT kind || ':' || key, body::text FROM terrovane.bodies($1, $2::text[])",
             {Layout(), pg::TextArray(missing)});
    if (!bodies.Ok()) {
        return ServerFailed(bodies);
    }
    std::map<std::string, std::string> byKey;
    for (const auto& row : bodies.rows) {
        byKey[row[0].value_or("")] = row[1].value_or("");
    }
    for (PulledChange& change : changes) {
        if (const auto body = byKey.find(change.kind + ":" + change.id); body != byKey.end()) {
            change.value = body->second;
        }
    }
    return true;
}

bool Session::SyncFirm() {
    archive::FirmState state;
    std::string held;
    const auto take = [](const archive::Status& status) {
        if (!status && status.Error().code != archive::ErrorCode::Refused) {
            throw LocalFailure(status.Error().sqliteCode, status.Error().Text());
        }
    };
    if (!Local([&](Database& db) {
            archive::Result<archive::FirmState> read = archive::ReadFirmState(db);
            take(read ? archive::Status(archive::Done{}) : archive::Status(read.Error()));
            state = std::move(read).Value();
            held = StateValue(db, "firm_version", "");
        })) {
        return false;
    }
    if (state.unsent && held.empty()) {
        // The archive's first sync of the profile: one the team's server already holds wins over one set
        // here before the archive joined, which would otherwise overwrite the team's for everyone.
        const pg::QueryResult existing = Call("SELECT count(*) FROM terrovane.firm($1, NULL)", {Layout()});
        if (!existing.Ok()) {
            return ServerFailed(existing);
        }
        if (existing.Scalar() != "0") {
            if (!Local([&](Database& db) { take(archive::MarkFirmSent(db, state.edit)); })) {
                return false;
            }
            state.unsent = false;
        }
    }
    if (state.unsent) {
        const pg::QueryResult sent =
            Call("SELECT terrovane.set_firm($1, $2::jsonb, $3::bytea)",
                 {Layout(), FirmServerJson(state.firm),
                  state.firm.logo.empty() ? std::nullopt : std::optional(state.firm.logo)},
                 {false, false, true});
        const bool refused =
            sent.error == pg::ErrorClass::Rejected && (sent.sqlState == "42501" || sent.sqlState == "22023");
        if (!sent.Ok() && !refused) {
            return ServerFailed(sent);
        }
        report_.firmRefused = refused;
        if (!Local([&](Database& db) { take(archive::MarkFirmSent(db, state.edit)); })) {
            return false;
        }
        held.clear();
    }
    const pg::QueryResult got = Call(
        "SELECT profile::text, coalesce(encode(logo, 'hex'), ''), version::text FROM terrovane.firm($1, "
        "$2::bigint)",
        {Layout(), held.empty() ? std::nullopt : std::optional(held)});
    if (!got.Ok()) {
        return ServerFailed(got);
    }
    if (got.rows.empty()) {
        return true;
    }
    const std::optional<archive::FirmProfile> firm =
        FirmFromServer(got.rows[0][0].value_or(""), got.rows[0][1].value_or(""));
    if (!firm) {
        report_.error = SyncError::ServerFailed;
        report_.detail = "a firm's profile that is none: " + got.rows[0][0].value_or("");
        return false;
    }
    return Local([&](Database& db) {
        take(archive::TakeServerFirm(db, *firm));
        SetStateValue(db, "firm_version", got.rows[0][2].value_or(""));
    });
}

bool Session::SyncFiles() {
    const FileLink link{[&](const std::function<void(Database&)>& work) { return Local(work); },
                        [&](const std::string& sql, const pg::Parameters& parameters,
                            const std::vector<bool>& binary) { return Call(sql, parameters, binary); },
                        [&](const pg::QueryResult& failure) { return ServerFailed(failure); }, Layout(),
                        [&]() { return Cancelled(); }};
    return SyncAttachments(link, report_) && SyncIssuedReports(link, report_);
}

bool Session::HasUnsent() {
    int unsent = 0;
    return Local([&](Database& db) { unsent = Unsent(db); }) && unsent > 0;
}

void Session::Summarise() {
    (void)Local([&](Database& db) {
        report_.conflicts = static_cast<int>(
            WholeNumber(Single(db, "SELECT count(*) FROM sync_conflicts WHERE resolved = 0"), 0));
        report_.unsent = Unsent(db);
        const int refused =
            static_cast<int>(WholeNumber(Single(db, "SELECT count(*) FROM sync_rejected"), 0));
        report_.inSync = report_.error == SyncError::None && report_.unsent == 0 && refused == 0;
    });
}

SyncError ErrorOfOpen(const pg::QueryResult& failure) {
    if (failure.message.find("permission denied for database") != std::string::npos) {
        return SyncError::NotMember;  // libpq gives no SQLSTATE for a refused connection
    }
    switch (failure.error) {
        case pg::ErrorClass::ConnectionLost:
        case pg::ErrorClass::Timeout:
            return SyncError::CannotReach;
        case pg::ErrorClass::SignInRefused:
            return SyncError::SignInRefused;
        default:
            return SyncError::ServerFailed;
    }
}

}  // namespace

const char* SyncErrorName(SyncError error) {
    switch (error) {
        case SyncError::None:
            return "none";
        case SyncError::CannotReach:
            return "cannot-reach";
        case SyncError::SignInRefused:
            return "sign-in-refused";
        case SyncError::NotMember:
            return "not-member";
        case SyncError::NoTeamSchema:
            return "no-team-schema";
        case SyncError::UpdateProgram:
            return "update-program";
        case SyncError::UpdateServer:
            return "update-server";
        case SyncError::OtherServer:
            return "other-server";
        case SyncError::ArchiveFailed:
            return "archive-failed";
        case SyncError::ServerFailed:
            return "server-failed";
        case SyncError::Unsettled:
            return "unsettled";
        case SyncError::OtherLogin:
            return "other-login";
        case SyncError::Cancelled:
            return "cancelled";
    }
    return "server-failed";
}

SyncReport Synchronize(const std::string& archivePath, const SyncOptions& options) {
    SyncReport report;
    pg::QueryResult failure;
    const std::unique_ptr<pg::Connection> server = pg::Connection::Open(options.connection, failure);
    if (server == nullptr) {
        report.error = ErrorOfOpen(failure);
        report.detail = failure.Explained();
        return report;
    }
    // The server's layout is asked first: a server of another layout leaves the archive untouched.
    const pg::QueryResult layout = server->Query("SELECT terrovane.layout()");
    if (!layout.Ok()) {
        report.error = layout.sqlState == "42501"                       ? SyncError::NotMember
                       : layout.error == pg::ErrorClass::ConnectionLost ? SyncError::CannotReach
                                                                        : SyncError::NoTeamSchema;
        report.detail = layout.Explained();
        return report;
    }
    const int serverLayout = static_cast<int>(WholeNumber(layout.Scalar(), 0));
    if (serverLayout != team::kServerLayout) {
        report.error =
            serverLayout > team::kServerLayout ? SyncError::UpdateProgram : SyncError::UpdateServer;
        report.detail = "the server's layout is " + std::to_string(serverLayout) + ", this program's " +
                        std::to_string(team::kServerLayout);
        return report;
    }
    std::string error;
    const std::unique_ptr<Archive> archive = Archive::Open(archivePath, error, &report.movedAside);
    if (archive == nullptr) {
        report.error = SyncError::ArchiveFailed;
        report.detail = error;
        return report;
    }
    Session session(options, *server, *archive, report);
    bool ok = session.CheckServer();
    for (int round = 0; ok && round < kRounds; ++round) {
        ok = session.PushAll() && session.SettleConflicts() && session.PullAll();
        if (ok && !session.HasUnsent()) {
            break;
        }
    }
    ok = ok && session.SyncFiles();
    ok = ok && session.SyncFirm();
    session.Summarise();
    return report;
}

}  // namespace terrovane::sync
