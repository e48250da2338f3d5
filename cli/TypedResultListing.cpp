#include "TypedResultListing.h"

#include "TypedResultsJson.h"
#include "TypedVerdict.h"

namespace terrovane::cli {

std::string TypedResultTable(const std::vector<archive::TypedResultVersion>& versions) {
    std::vector<std::vector<std::string>> rows = {{"ID", "CORRECTS", "MEASURED", "POINT", "METHOD", "VALUES",
                                                   "VERDICT", "INSTRUMENT", "MEASURED BY", "TYPED BY",
                                                   "TYPED AT"}};
    for (const archive::TypedResultVersion& v : versions) {
        rows.push_back({std::to_string(v.id) + (v.replacedBy ? "" : " (newest)"),
                        v.replaces ? std::to_string(*v.replaces) : "-", v.fields.measured,
                        v.point ? v.site + "/" + v.pointName : "-", v.fields.method,
                        archive::TypedValuesText(v.fields.values),
                        archive::VerdictWord(archive::JudgeTyped(v.fields, v.limit)),
                        v.fields.instrument.empty() ? "-" : v.fields.instrument,
                        v.fields.measuredBy.empty() ? "-" : v.fields.measuredBy, v.fields.typedBy,
                        v.typedAt});
    }
    return AlignedTable(rows);
}

std::string WithTypedResults(const std::string& listing,
                             const std::vector<archive::TypedResultVersion>& typed, ListingFormat format) {
    if (typed.empty() || format == ListingFormat::Csv) {
        return listing;
    }
    if (format == ListingFormat::Table) {
        return listing + "\nTYPED RESULTS\n" + TypedResultTable(typed);
    }
    return archive::AppendTypedJson(listing, typed);
}

}  // namespace terrovane::cli
