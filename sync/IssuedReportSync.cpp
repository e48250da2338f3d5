// Issued reports travel as their PDF with number and revision; a revision, once issued, never changes, so
// the base kept here only says which the server has.
#include <map>
#include <set>

#include "FileTransfer.h"
#include "Files.h"
#include "LocalSql.h"

namespace terrovane::sync {
namespace {

constexpr const char* kReportBase = "issued_report";

struct ReportState {
    std::string number;
    std::string revision;
    std::string site;
    std::string siteName;
    std::string issuedOn;
    std::string issuedBy;
    std::string language;
    std::string digest;
    std::int64_t size = 0;
    std::string Key() const { return number + ":" + revision; }
};

// A report of a site removed here has no site to travel with and stays on this PC.
constexpr const char* kLocalReports =
    "SELECT r.number, r.revision, s.uuid, r.site_name, r.issued_on, r.issued_by, r.language, f.digest, "
    "f.size "
    "FROM issued_reports r JOIN report_files f ON f.id = r.file_id JOIN sites s ON s.id = r.site_id "
    "WHERE s.uuid IS NOT NULL ORDER BY r.number, r.revision";

ReportState ReportOfRow(const std::vector<std::optional<std::string>>& row) {
    return {row[0].value_or(""), row[1].value_or(""), row[2].value_or(""),
            row[3].value_or(""), row[4].value_or(""), row[5].value_or(""),
            row[6].value_or(""), row[7].value_or(""), WholeNumber(row[8], 0)};
}

class IssuedReportSync {
  public:
    IssuedReportSync(const FileLink& link, SyncReport& report) : link_(link), report_(report) {}
    bool Run();

  private:
    bool Push(const std::vector<ReportState>& here);
    bool Send(const ReportState& r, bool fileMissing);
    bool Take(const ReportState& s);

    const FileLink& link_;
    SyncReport& report_;
    std::set<std::string> here_;
    std::set<std::string> bases_;
    std::set<std::string> refused_;
};

bool IssuedReportSync::Push(const std::vector<ReportState>& here) {
    std::vector<const ReportState*> unsent;
    std::vector<std::string> digests;
    for (const ReportState& r : here) {
        if (!bases_.contains(r.Key()) && !refused_.contains(r.Key())) {
            unsent.push_back(&r);
            digests.push_back(r.digest);
        }
    }
    const std::optional<std::vector<std::string>> missing = FilesMissing(link_, digests);
    if (!missing) {
        return false;
    }
    std::set<std::string> toSend(missing->begin(), missing->end());
    for (const ReportState* r : unsent) {
        if (link_.cancelled() || !Send(*r, toSend.contains(r->digest))) {
            return false;
        }
        toSend.erase(r->digest);
    }
    return true;
}

bool IssuedReportSync::Send(const ReportState& r, bool fileMissing) {
    pg::QueryResult refusal;
    Sent sent = fileMissing ? UploadFile(link_, kReportBytes, r.digest, r.size, refusal) : Sent::Done;
    if (sent == Sent::Stop) {
        return false;
    }
    if (sent == Sent::Done) {
        const pg::QueryResult answer = link_.call(
            "SELECT terrovane.put_issued_report($1, $2, $3::integer, $4::uuid, $5, $6, $7, $8, $9)",
            {link_.layout, r.number, r.revision, r.site, r.siteName, r.issuedOn, r.issuedBy, r.language,
             r.digest},
            {});
        if (!answer.Ok() && !RefusedThing(answer)) {
            return link_.failed(answer);
        }
        if (!answer.Ok()) {
            refusal = answer;
            sent = Sent::Refused;
        }
    }
    return link_.local([&](archive::Database& db) {
        if (sent == Sent::Refused) {
            ListRefusal(db, kReportBase, r.Key(), refusal);
            ++report_.rejected;
            return;
        }
        Exec(db, "INSERT OR REPLACE INTO sync_fields VALUES (?1, ?2, 'state', NULL, ?3, '')",
             {std::string(kReportBase), r.Key(), r.digest});
        bases_.insert(r.Key());
        ++report_.pushed;
    });
}

bool IssuedReportSync::Take(const ReportState& s) {
    if (here_.contains(s.Key())) {
        if (bases_.contains(s.Key())) {
            return true;
        }
        return link_.local([&](archive::Database& db) {
            Exec(db, "INSERT OR REPLACE INTO sync_fields VALUES (?1, ?2, 'state', NULL, ?3, '')",
                 {std::string(kReportBase), s.Key(), s.digest});
        });
    }
    bool siteHere = false;
    bool fileHere = false;
    if (!link_.local([&](archive::Database& db) {
            siteHere = Single(db, "SELECT 1 FROM sites WHERE uuid = ?1", {s.site}).has_value();
            fileHere = Single(db, "SELECT 1 FROM report_files WHERE digest = ?1", {s.digest}).has_value();
        })) {
        return false;
    }
    if (!siteHere) {
        return true;  // its site comes with the log; the next sync takes the report
    }
    std::optional<std::string> bytes;
    if (!fileHere) {
        bytes = DownloadFile(link_, s.digest, s.size, report_);
        if (!bytes) {
            return false;
        }
    }
    return link_.local([&](archive::Database& db) {
        if (bytes) {
            Exec(db, "INSERT OR IGNORE INTO report_files (digest, size) VALUES (?1, ?2)", {s.digest, s.size});
            Exec(db,
                 "INSERT OR IGNORE INTO report_file_bytes (file_id, bytes) SELECT id, ?2 FROM report_files "
                 "WHERE "
                 "digest = ?1",
                 {s.digest, std::vector<std::uint8_t>(bytes->begin(), bytes->end())});
        }
        Exec(db,
             "INSERT OR IGNORE INTO issued_reports (number, revision, site_id, site_name, issued_on, "
             "issued_by, "
             "issued_at, language, file_id) SELECT ?1, ?2, s.id, ?4, ?5, ?6, strftime('%Y-%m-%dT%H:%M:%SZ', "
             "'now'), ?7, f.id FROM sites s, report_files f WHERE s.uuid = ?3 AND f.digest = ?8",
             {s.number, WholeNumber(s.revision, 1), s.site, s.siteName, s.issuedOn, s.issuedBy, s.language,
              s.digest});
        Exec(db, "INSERT OR REPLACE INTO sync_fields VALUES (?1, ?2, 'state', NULL, ?3, '')",
             {std::string(kReportBase), s.Key(), s.digest});
        ++report_.pulled;
    });
}

bool IssuedReportSync::Run() {
    std::vector<ReportState> here;
    if (!link_.local([&](archive::Database& db) {
            for (const SqlRow& row : Rows(db, kLocalReports)) {
                here.push_back(ReportOfRow(row));
                here_.insert(here.back().Key());
            }
            // Every revision kept here, also of a removed site, so none comes again under its number.
            for (const SqlRow& row : Rows(db, "SELECT number || ':' || revision FROM issued_reports")) {
                here_.insert(row[0].value_or(""));
            }
            for (const SqlRow& row :
                 Rows(db, "SELECT uuid FROM sync_fields WHERE kind = ?1", {std::string(kReportBase)})) {
                bases_.insert(row[0].value_or(""));
            }
            for (const SqlRow& row :
                 Rows(db, "SELECT uuid FROM sync_rejected WHERE kind = ?1", {std::string(kReportBase)})) {
                refused_.insert(row[0].value_or(""));
            }
        })) {
        return false;
    }
    if (!Push(here)) {
        return false;
    }
    const pg::QueryResult answer = link_.call(
        "SELECT number, revision::text, site::text, site_name, issued_on, issued_by, language, digest, "
        "size::text "
        "FROM terrovane.issued_reports($1)",
        {link_.layout}, {});
    if (!answer.Ok()) {
        return link_.failed(answer);
    }
    for (const auto& row : answer.rows) {
        if (link_.cancelled() || !Take(ReportOfRow(row))) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool SyncIssuedReports(const FileLink& link, SyncReport& report) {
    IssuedReportSync sync(link, report);
    return sync.Run();
}

}  // namespace terrovane::sync
