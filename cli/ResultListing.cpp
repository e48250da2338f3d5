#include "ResultListing.h"

#include <cstdio>

#include "ResultsOutput.h"

namespace terrovane::cli {
namespace {

// Display columns of a UTF-8 text ("ρ" and "Ω" are two bytes but one column).
std::size_t Columns(const std::string& text) {
    std::size_t columns = 0;
    for (unsigned char c : text) {
        columns += (c & 0xC0) != 0x80 ? 1 : 0;
    }
    return columns;
}

}  // namespace

std::string AlignedTable(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], Columns(row[i]));
        }
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) {
                line.append(widths[i] - Columns(row[i]) + 2, ' ');
            }
        }
        text += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
    }
    return text;
}

namespace {

std::string DashWhenEmpty(const std::string& text) {
    return text.empty() ? "-" : text;
}

std::string IdText(const std::optional<std::int64_t>& id) {
    return id ? std::to_string(*id) : "-";
}

std::string ResultTable(const std::vector<archive::ResultView>& results) {
    std::vector<std::string> header = {"ID", "READOUT", "READ AT", "SLOT", "MODE", "DATE", "TIME", "LABEL"};
    const auto& columns = exporting::HeaderTexts();
    header.insert(header.end(), columns.begin() + 4, columns.end());
    header.insert(header.end(), {"SITE", "POINT", "VERDICT"});
    std::vector<std::vector<std::string>> rows = {header};
    for (const archive::ResultView& view : results) {
        std::vector<std::string> row = {IdText(view.id),
                                        IdText(view.readout),
                                        DashWhenEmpty(view.readAt),
                                        view.cells[0],
                                        view.modeName,
                                        view.date,
                                        view.time,
                                        DashWhenEmpty(view.label)};
        for (std::size_t i = 4; i < view.cells.size(); ++i) {
            row.push_back(DashWhenEmpty(view.cells[i]));
        }
        for (const std::string& text :
             {view.site, view.point, std::string(archive::VerdictWord(view.verdict))}) {
            row.push_back(DashWhenEmpty(text));
        }
        rows.push_back(std::move(row));
    }
    return AlignedTable(rows);
}

std::string ReadOutTable(const std::vector<archive::ReadOutRow>& readouts) {
    std::vector<std::vector<std::string>> rows = {{"ID", "READ AT", "PORT", "RESULTS", "LABEL", "NOTE"}};
    for (const archive::ReadOutRow& row : readouts) {
        rows.push_back({std::to_string(row.id), row.readAt, DashWhenEmpty(row.port),
                        std::to_string(row.results.size()), DashWhenEmpty(row.label),
                        DashWhenEmpty(row.note)});
    }
    return AlignedTable(rows);
}

}  // namespace

bool ParseListingFormat(const std::string& text, ListingFormat& format) {
    if (text == "table") {
        format = ListingFormat::Table;
    } else if (text == "csv") {
        format = ListingFormat::Csv;
    } else if (text == "json") {
        format = ListingFormat::Json;
    } else {
        return false;
    }
    return true;
}

std::string ResultListing(const std::vector<archive::ResultView>& results, ListingFormat format) {
    switch (format) {
        case ListingFormat::Csv:
            return archive::ResultsCsv(results);
        case ListingFormat::Json:
            return archive::ResultsJson(results);
        case ListingFormat::Table:
            break;
    }
    return ResultTable(results);
}

std::string ReadOutListing(const std::vector<archive::ReadOutRow>& readouts, ListingFormat format) {
    switch (format) {
        case ListingFormat::Csv:
            return archive::ReadOutsCsv(readouts);
        case ListingFormat::Json:
            return archive::ReadOutsJson(readouts);
        case ListingFormat::Table:
            break;
    }
    return ReadOutTable(readouts);
}

bool PrintText(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

}  // namespace terrovane::cli
