#include "SchemaV10.h"

namespace terrovane::archive {
namespace {

// The firm that issues the reports: one row. `edit` counts this archive's own changes and `unsent` says
// the latest of them has not reached the team's server yet, so a profile the server sends never
// overwrites an edit made here meanwhile.
//
// Every issued report is kept as the PDF that was issued, its bytes once by their SHA-256 in a table of
// their own (as attached files are), so listing the reports never reads a page of a PDF. A report keeps
// the site's name as it was printed: the document stays listed under it even when the site goes.
// `report_sequences` is this device's own count per prefix and year, for numbers issued without the
// server; a number is counted before its report is drawn, so one never comes twice.
//
// Every statement may run again: a file one step behind by the grid assessments' rule runs this step a
// second time.
constexpr const char* kFirmAndReports = R"sql(
CREATE TABLE IF NOT EXISTS firm_profile (
    id INTEGER PRIMARY KEY CHECK (id = 1),
    name TEXT NOT NULL DEFAULT '',
    address TEXT NOT NULL DEFAULT '',
    phone TEXT NOT NULL DEFAULT '',
    email TEXT NOT NULL DEFAULT '',
    licence TEXT NOT NULL DEFAULT '',
    prefix TEXT NOT NULL DEFAULT '',
    logo BLOB,
    logo_type TEXT CHECK (logo_type IN ('png', 'svg')),
    changed_at TEXT NOT NULL,
    edit INTEGER NOT NULL DEFAULT 0,
    unsent INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS report_files (
    id INTEGER PRIMARY KEY,
    digest TEXT NOT NULL UNIQUE,
    size INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS report_file_bytes (
    file_id INTEGER PRIMARY KEY REFERENCES report_files(id),
    bytes BLOB NOT NULL
);
CREATE TABLE IF NOT EXISTS issued_reports (
    id INTEGER PRIMARY KEY,
    number TEXT NOT NULL,
    revision INTEGER NOT NULL CHECK (revision >= 1),
    site_id INTEGER REFERENCES sites(id) ON DELETE SET NULL,
    site_name TEXT NOT NULL,
    issued_on TEXT NOT NULL,
    issued_by TEXT NOT NULL,
    issued_at TEXT NOT NULL,
    language TEXT NOT NULL DEFAULT '',
    file_id INTEGER NOT NULL REFERENCES report_files(id),
    UNIQUE (number, revision)
);
CREATE INDEX IF NOT EXISTS issued_reports_site ON issued_reports(site_id, number, revision);
CREATE TABLE IF NOT EXISTS report_sequences (
    prefix TEXT NOT NULL,
    year INTEGER NOT NULL,
    last INTEGER NOT NULL,
    PRIMARY KEY (prefix, year)
) WITHOUT ROWID;
)sql";

}  // namespace

int MigrateToLayout10(Database& db) {
    return db.Exec(kFirmAndReports);
}

}  // namespace terrovane::archive
