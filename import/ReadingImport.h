#pragma once

#include <string>
#include <vector>

#include "Archive.h"
#include "ImportMapping.h"
#include "Result.h"
#include "SourceTable.h"

namespace terrovane::imports {

// A row that was not taken: its line in the file and why (a filled problem text).
struct RefusedRow {
    int line = 0;
    std::string problem;
};

// What an import did, or would do on a dry run.
struct ImportReport {
    int rows = 0;     // data rows read (blank ones not counted)
    int taken = 0;    // stored as new typed results
    int already = 0;  // the same reading stored before, or earlier in the same file
    std::vector<RefusedRow> refused;
};

// What marks the results of one import: who imported it, and from which file (its name alone).
struct ImportSource {
    std::string account;
    std::string fileName;
};

// "alice, imported from readings.csv": the typed results' "typed by", which every output shows.
std::string ImportedBy(const ImportSource& source);

// The rows of a CSV file or an .xlsx workbook (told apart by their first bytes), read as the mapping
// says: its separator, decimal mark and sheet (`sheet` when given, over the mapping's).
archive::Result<SourceTable> LoadTable(const std::string& path, const Mapping& mapping,
                                       const std::string& sheet);

// Imports the table's rows below the header row in one unit of work: every row that can be taken is
// stored as a typed result at its point, or none when the archive fails. A row whose point, method and
// values at the same minute are stored already (in any version) adds nothing. A row that cannot be taken
// is listed with its line. `dryRun` judges every row the same way and stores nothing.
archive::Result<ImportReport> ImportReadings(archive::Archive& archive, const SourceTable& table,
                                             const Mapping& mapping, const ImportSource& source, bool dryRun);

}  // namespace terrovane::imports
