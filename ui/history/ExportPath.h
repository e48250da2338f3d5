#pragma once

#include <QString>

namespace terrovane::history {

// The export dialog's file types, the first the default.
QString ExportFilters();

// The file name with the extension of the chosen type added, unless it already ends in one the export
// knows (.xlsx, .xls, .csv, .json, .pdf, .geojson, .kml, .ics, in any case).
QString WithExportExtension(const QString& path, const QString& chosenFilter);

}  // namespace terrovane::history
