#include "ReportPhotos.h"

#include <sqlite3.h>

#include "Problems.h"
#include "Transaction.h"

namespace terrovane::archive {
namespace {

// The attachment's kind word, "jpeg", "png" or "pdf"; empty when there is no such attachment.
Result<std::string> KindOf(Database& db, std::int64_t attachment) {
    Statement query;
    int rc = query.Prepare(
        db, "SELECT f.kind FROM attachments a JOIN attachment_files f ON f.id = a.file_id WHERE a.id = ?");
    if (rc != SQLITE_OK) {
        return LastFailure(db, rc);
    }
    query.Bind(1, attachment);
    rc = query.Step();
    if (rc == SQLITE_DONE) {
        return std::string();
    }
    if (rc != SQLITE_ROW) {
        return LastFailure(db, rc);
    }
    return query.Text(0);
}

}  // namespace

Status ChooseForReport(Archive& archive, std::int64_t attachment, bool chosen) {
    return archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        const Result<std::string> kind = KindOf(db, attachment);
        if (!kind) {
            return kind.Error();
        }
        if (kind.Value().empty()) {
            return Missing(kNoAttachment, {std::to_string(attachment)});
        }
        if (chosen && kind.Value() == "pdf") {
            return Refused(kNotAPhoto, {std::to_string(attachment)});
        }
        Statement change;
        int rc = change.Prepare(db, chosen ? "INSERT OR IGNORE INTO report_photos (attachment_id) VALUES (?)"
                                           : "DELETE FROM report_photos WHERE attachment_id = ?");
        if (rc == SQLITE_OK) {
            change.Bind(1, attachment);
            rc = change.Step();
        }
        if (rc != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
        return Done{};
    });
}

Result<std::set<std::int64_t>> ChosenForReport(Archive& archive) {
    std::set<std::int64_t> chosen;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        int rc = query.Prepare(db, "SELECT attachment_id FROM report_photos");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        while ((rc = query.Step()) == SQLITE_ROW) {
            chosen.insert(query.Int(0));
        }
        if (rc != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return chosen;
}

}  // namespace terrovane::archive
