#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Archive.h"
#include "ImportMapping.h"
#include "ReadingImport.h"

namespace terrovane::imports {

// Which column of a list of sites holds what: one site a row, its test points named in one cell. The JSON
// form is docs/schemas/import-sites-mapping.schema.json.
struct SiteMapping {
    int headerRow = 1;
    char separator = 0;
    CsvDialect::Decimal decimal = CsvDialect::Decimal::Find;
    std::string sheet;
    ColumnRef name;
    std::optional<ColumnRef> address;
    std::optional<ColumnRef> latitude;
    std::optional<ColumnRef> longitude;
    std::optional<ColumnRef> limit;     // a preset's name or ohms, as "site add --limit" takes it
    std::optional<ColumnRef> interval;  // months
    std::optional<ColumnRef> points;
    std::string pointSeparator = ";";

    // How the file is read, as the readings' mapping says it.
    Mapping Reading() const;
};

archive::Result<SiteMapping> SiteMappingFromJson(std::string_view json);

// Makes a site for each row whose site is not there yet, with its test points in the order listed, in one
// unit of work (all rows that can be taken, or none when the archive fails). A site that is there already
// counts as such and gets the listed points it lacks. A row that cannot be taken is listed with its line.
// `dryRun` reads every row and stores nothing; the archive's own checks (a position, a limit's range) are
// then not made.
archive::Result<ImportReport> ImportSites(archive::Archive& archive, const SourceTable& table,
                                          const SiteMapping& mapping, bool dryRun);

}  // namespace terrovane::imports
