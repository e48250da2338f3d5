#pragma once

#include <string>
#include <vector>

#include "ArchiveTypes.h"
#include "ResultView.h"

namespace terrovane::cli {

// How results and read-outs are printed: aligned columns, CSV or JSON.
enum class ListingFormat { Table, Csv, Json };

// "table", "csv" or "json"; false for anything else.
bool ParseListingFormat(const std::string& text, ListingFormat& format);

std::string ResultListing(const std::vector<archive::ResultView>& results, ListingFormat format);
std::string ReadOutListing(const std::vector<archive::ReadOutRow>& readouts, ListingFormat format);

// Left-aligned columns, each as wide as its widest text, two spaces apart.
std::string AlignedTable(const std::vector<std::vector<std::string>>& rows);

// Writes the whole text to standard output; false when it could not.
bool PrintText(const std::string& text);

}  // namespace terrovane::cli
