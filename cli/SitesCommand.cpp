// terrovane-cli sites: the archive's sites with their limits, intervals and number of points.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "Json.h"
#include "ResultListing.h"
#include "ResultsOutput.h"
#include "Sites.h"
#include "SitesMapListing.h"

namespace terrovane::cli {
namespace {

std::string Number(const std::optional<double>& value) {
    return value ? archive::NumberText(*value) : std::string();
}

std::vector<std::string> Fields(const archive::SiteRow& site) {
    const archive::SiteFields& f = site.fields;
    return {f.name,
            f.address,
            Number(f.latitude),
            Number(f.longitude),
            Number(f.limit ? std::optional(f.limit->ohms) : std::nullopt),
            f.limit ? f.limit->source : std::string(),
            f.intervalMonths ? std::to_string(*f.intervalMonths) : std::string(),
            std::to_string(site.points),
            f.notes};
}

const std::vector<std::string> kNames = {"name",      "address",      "latitude",        "longitude",
                                         "limit_ohm", "limit_source", "interval_months", "points",
                                         "notes"};

numbers::Json TextOrNull(const std::string& text) {
    return text.empty() ? numbers::Json(nullptr) : numbers::Json(text);
}

numbers::Json NumberOrNull(const std::optional<double>& value) {
    return value ? numbers::JsonNumber(*value) : numbers::Json(nullptr);
}

std::string SitesJson(const std::vector<archive::SiteRow>& sites) {
    numbers::Json array = numbers::Json::array();
    for (const archive::SiteRow& site : sites) {
        const archive::SiteFields& f = site.fields;
        array.push_back({{"id", site.id},
                         {"name", f.name},
                         {"address", TextOrNull(f.address)},
                         {"latitude", NumberOrNull(f.latitude)},
                         {"longitude", NumberOrNull(f.longitude)},
                         {"limit_ohm", NumberOrNull(f.limit ? std::optional(f.limit->ohms) : std::nullopt)},
                         {"limit_source", f.limit ? TextOrNull(f.limit->source) : numbers::Json(nullptr)},
                         {"interval_months", f.intervalMonths ? numbers::Json(*f.intervalMonths) : nullptr},
                         {"points", site.points},
                         {"notes", TextOrNull(f.notes)}});
    }
    return numbers::JsonLines(array);
}

std::string Csv(const std::vector<archive::SiteRow>& sites) {
    const auto line = [](const std::vector<std::string>& fields) {
        std::string text;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            text += (i == 0 ? "" : ",") + archive::CsvField(fields[i]);
        }
        return text + "\r\n";
    };
    std::vector<std::string> header = {"id"};
    header.insert(header.end(), kNames.begin(), kNames.end());
    std::string csv = "\xEF\xBB\xBF" + line(header);
    for (const archive::SiteRow& site : sites) {
        std::vector<std::string> fields = {std::to_string(site.id)};
        const std::vector<std::string> rest = Fields(site);
        fields.insert(fields.end(), rest.begin(), rest.end());
        csv += line(fields);
    }
    return csv;
}

std::string Table(const std::vector<archive::SiteRow>& sites) {
    std::vector<std::vector<std::string>> rows = {
        {"SITE", "ADDRESS", "POSITION", "LIMIT", "SOURCE", "INTERVAL", "POINTS"}};
    for (const archive::SiteRow& site : sites) {
        const std::vector<std::string> f = Fields(site);
        const auto dash = [](const std::string& text) { return text.empty() ? std::string("-") : text; };
        rows.push_back({f[0], dash(f[1]), f[2].empty() ? "-" : f[2] + "," + f[3],
                        f[4].empty() ? "-" : f[4] + " ohm", dash(f[5]), f[6].empty() ? "-" : f[6] + " months",
                        f[7]});
    }
    return AlignedTable(rows);
}

int List(const ParsedArguments& options) {
    if (IsMapFormat(options.Value("format"))) {
        return ListSitesMap(options.Value("format"));
    }
    ListingFormat format = ListingFormat::Table;
    if (options.Has("format") && !ParseListingFormat(options.Value("format"), format)) {
        return UsageError("sites", CliText::tr("--format is table, csv, json, geojson or kml"));
    }
    auto store = OpenArchiveFor("sites");
    if (store == nullptr) {
        return kExitFailed;
    }
    std::vector<archive::SiteRow> sites;
    std::string error;
    if (!archive::Sites(*store, sites, error)) {
        return CommandFailed("sites", texts::ArchiveProblemText(error));
    }
    const std::string text = format == ListingFormat::Json  ? SitesJson(sites)
                             : format == ListingFormat::Csv ? Csv(sites)
                                                            : Table(sites);
    return PrintText(text) ? kExitOk : kExitFailed;
}

const CommandRegistrar kSitesRegistrar(
    {"sites",
     "Lists the archive's sites by name: address, position, limit with its source, re-test interval and "
     "number of test points. geojson (RFC 7946) and kml (KML 2.2) give the sites with a position for a map "
     "program, each with its verdict (fail, untested, none or pass over its points' newest results) and "
     "its earliest due date; sites without a position are left out and counted on standard error.",
     {{{"sites", {}, {{"format", "table|csv|json|geojson|kml", "The listing's format; table by default."}}},
       List}}});

}  // namespace
}  // namespace terrovane::cli
