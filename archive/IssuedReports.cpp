// Issued reports: each PDF kept as it was issued, with its number and revision; numbers of this device.
#include "IssuedReports.h"

#include <sqlite3.h>

#include <span>

#include "ContentKey.h"
#include "Firm.h"
#include "FirmProblems.h"
#include "Problems.h"
#include "Transaction.h"
#include "Utf8Text.h"

namespace terrovane::archive {
namespace {

std::span<const std::uint8_t> PdfBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string Capitals(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

constexpr const char* kIssuedColumns =
    "SELECT r.id, r.number, r.revision, r.site_id, r.site_name, r.issued_on, r.issued_by, r.issued_at, "
    "r.language, f.digest, f.size FROM issued_reports r JOIN report_files f ON f.id = r.file_id";

IssuedReport IssuedAt(const Statement& row) {
    IssuedReport out;
    out.id = row.Int(0);
    out.number = row.Text(1);
    out.revision = static_cast<int>(row.Int(2));
    if (!row.IsNull(3)) {
        out.site = row.Int(3);
    }
    out.siteName = row.Text(4);
    out.issuedOn = row.Text(5);
    out.issuedBy = row.Text(6);
    out.issuedAt = row.Text(7);
    out.language = row.Text(8);
    out.digest = row.Text(9);
    out.size = row.Int(10);
    return out;
}

Result<std::vector<IssuedReport>> IssuedRows(Database& db, Statement& query) {
    std::vector<IssuedReport> rows;
    int rc = SQLITE_OK;
    while ((rc = query.Step()) == SQLITE_ROW) {
        rows.push_back(IssuedAt(query));
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return rows;
}

Result<std::string> DeviceOf(Database& db) {
    Statement query;
    int rc = query.Prepare(db, "SELECT device FROM archive_clock");
    if (rc == SQLITE_OK && (rc = query.Step()) == SQLITE_ROW) {
        return Capitals(query.Text(0).substr(0, 8));
    }
    return LastFailure(db, rc == SQLITE_DONE ? SQLITE_CORRUPT : rc);
}

// The PDF's file id, stored now unless the archive holds the same bytes.
Result<std::int64_t> StorePdf(Database& db, const std::string& pdf) {
    const std::string digest = HexText(Sha256(PdfBytes(pdf)));
    Statement find;
    int rc = find.Prepare(db, "SELECT id FROM report_files WHERE digest = ?");
    if (rc == SQLITE_OK) {
        find.Bind(1, std::string_view(digest));
        rc = find.Step();
    }
    if (rc == SQLITE_ROW) {
        return find.Int(0);
    }
    Statement insert;
    if (rc == SQLITE_DONE &&
        (rc = insert.Prepare(db, "INSERT INTO report_files (digest, size) VALUES (?, ?)")) == SQLITE_OK) {
        insert.Bind(1, std::string_view(digest));
        insert.Bind(2, static_cast<std::int64_t>(pdf.size()));
        rc = insert.Step();
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    const std::int64_t id = db.LastInsertId();
    Statement bytes;
    if ((rc = bytes.Prepare(db, "INSERT INTO report_file_bytes VALUES (?, ?)")) == SQLITE_OK) {
        bytes.Bind(1, id);
        bytes.BindBlob(2, PdfBytes(pdf));
        rc = bytes.Step();
    }
    if (rc != SQLITE_DONE) {
        return LastFailure(db, rc);
    }
    return id;
}

}  // namespace

std::string DeviceReportNumber(const std::string& prefix, int year, const std::string& device,
                               std::int64_t count) {
    std::string sequence = std::to_string(count);
    if (sequence.size() < 3) {
        sequence.insert(0, 3 - sequence.size(), '0');
    }
    return prefix + "-" + std::to_string(year) + "-" + device + "-" + sequence;
}

Result<std::string> ShortDeviceId(Archive& archive) {
    std::string device;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Result<std::string> found = DeviceOf(db);
        if (!found) {
            return found.Error();
        }
        device = std::move(found).Value();
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return device;
}

Result<std::string> CountDeviceReportNumber(Archive& archive, const std::string& prefix, int year) {
    if (!IsReportPrefix(prefix)) {
        return prefix.empty() ? Refused(kNoReportPrefix) : Refused(kPrefixNotUnderstood, {prefix});
    }
    std::string number;
    const Status counted = archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        const Result<std::string> device = DeviceOf(db);
        if (!device) {
            return device.Error();
        }
        Statement count;
        int rc = count.Prepare(db,
                               "INSERT INTO report_sequences (prefix, year, last) VALUES (?, ?, 1) ON "
                               "CONFLICT (prefix, year) DO UPDATE SET last = last + 1 RETURNING last");
        if (rc == SQLITE_OK) {
            count.Bind(1, std::string_view(prefix));
            count.Bind(2, std::int64_t{year});
            rc = count.Step();
        }
        if (rc != SQLITE_ROW) {
            return LastFailure(db, rc);
        }
        number = DeviceReportNumber(prefix, year, device.Value(), count.Int(0));
        count.Reset();
        return Done{};
    });
    if (!counted) {
        return counted.Error();
    }
    return number;
}

Result<int> NextRevision(Archive& archive, const std::string& number, std::int64_t site,
                         const std::string& siteName) {
    int next = 0;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        int rc = query.Prepare(db,
                               "SELECT max(revision), site_id, site_name FROM issued_reports WHERE "
                               "number = ? GROUP BY number");
        if (rc == SQLITE_OK) {
            query.Bind(1, std::string_view(number));
            rc = query.Step();
        }
        if (rc == SQLITE_DONE) {
            return Missing(kNoIssuedReport, {number});
        }
        if (rc != SQLITE_ROW) {
            return LastFailure(db, rc);
        }
        if (query.IsNull(1) || query.Int(1) != site) {
            return Refused(kReportOfOtherSite, {number, query.Text(2), siteName});
        }
        next = static_cast<int>(query.Int(0)) + 1;
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return next;
}

Result<std::int64_t> KeepIssuedReport(Archive& archive, const NewIssuedReport& report) {
    std::int64_t id = 0;
    const Status kept = archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        const Result<std::int64_t> file = StorePdf(db, report.pdf);
        if (!file) {
            return file.Error();
        }
        Statement insert;
        int rc =
            insert.Prepare(db,
                           "INSERT INTO issued_reports (number, revision, site_id, site_name, issued_on, "
                           "issued_by, issued_at, language, file_id) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        insert.Bind(1, std::string_view(report.number));
        insert.Bind(2, std::int64_t{report.revision});
        insert.Bind(3, report.site);
        insert.Bind(4, std::string_view(ValidUtf8(report.siteName)));
        insert.Bind(5, std::string_view(report.issuedOn));
        insert.Bind(6, std::string_view(ValidUtf8(report.issuedBy)));
        insert.Bind(7, std::string_view(NowIso8601()));
        insert.Bind(8, std::string_view(report.language));
        insert.Bind(9, file.Value());
        if (((rc = insert.Step()) & 0xff) == SQLITE_CONSTRAINT) {
            return Refused(kRevisionTaken, {std::to_string(report.revision), report.number});
        }
        if (rc != SQLITE_DONE) {
            return LastFailure(db, rc);
        }
        id = db.LastInsertId();
        return Done{};
    });
    if (!kept) {
        return kept.Error();
    }
    return id;
}

Result<std::vector<IssuedReport>> IssuedReportsOf(Archive& archive, std::int64_t site) {
    std::vector<IssuedReport> rows;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        const int rc = query.Prepare(
            db, std::string(kIssuedColumns) + " WHERE r.site_id = ? ORDER BY r.number, r.revision DESC");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        query.Bind(1, site);
        Result<std::vector<IssuedReport>> found = IssuedRows(db, query);
        if (!found) {
            return found.Error();
        }
        rows = std::move(found).Value();
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    return rows;
}

Result<IssuedReport> FindIssuedReport(Archive& archive, const std::string& number,
                                      std::optional<int> revision) {
    std::vector<IssuedReport> rows;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        const int rc =
            query.Prepare(db, std::string(kIssuedColumns) + " WHERE r.number = ? ORDER BY r.revision DESC");
        if (rc != SQLITE_OK) {
            return LastFailure(db, rc);
        }
        query.Bind(1, std::string_view(number));
        Result<std::vector<IssuedReport>> found = IssuedRows(db, query);
        if (!found) {
            return found.Error();
        }
        rows = std::move(found).Value();
        return Done{};
    });
    if (!read) {
        return read.Error();
    }
    if (rows.empty()) {
        return Missing(kNoIssuedReport, {number});
    }
    if (!revision) {
        return rows.front();
    }
    for (const IssuedReport& row : rows) {
        if (row.revision == *revision) {
            return row;
        }
    }
    return Missing(kNoReportRevision, {number, std::to_string(*revision)});
}

Result<std::string> IssuedReportBytes(Archive& archive, std::int64_t id) {
    std::string bytes;
    const Status read = archive.Run(Archive::Access::Read, [&](Database& db) -> Status {
        Statement query;
        int rc = query.Prepare(db,
                               "SELECT b.bytes FROM issued_reports r JOIN report_file_bytes b ON b.file_id "
                               "= r.file_id WHERE r.id = ?");
        if (rc == SQLITE_OK) {
            query.Bind(1, id);
            rc = query.Step();
        }
        if (rc == SQLITE_ROW) {
            const std::vector<std::uint8_t> blob = query.Blob(0);
            bytes.assign(blob.begin(), blob.end());
            return Done{};
        }
        if (rc == SQLITE_DONE) {
            return Missing(kNoIssuedReport, {std::to_string(id)});
        }
        return LastFailure(db, rc);
    });
    if (!read) {
        return read.Error();
    }
    return bytes;
}

}  // namespace terrovane::archive
