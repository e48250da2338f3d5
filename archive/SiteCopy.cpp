#include "SiteCopy.h"

#include <vector>

#include "Problems.h"
#include "Sites.h"

namespace terrovane::archive {
namespace {

bool SourceExists(Archive& archive, std::int64_t source, std::string& error) {
    std::vector<SiteRow> sites;
    if (!Sites(archive, sites, error)) {
        return false;
    }
    for (const SiteRow& site : sites) {
        if (site.id == source) {
            return true;
        }
    }
    error = Problem(kNoSite, {std::to_string(source)});
    return false;
}

}  // namespace

bool CopySite(Archive& archive, std::int64_t source, const SiteFields& fields, std::int64_t& id,
              std::string& error) {
    std::int64_t made = 0;
    const bool copied = archive.Write(
        [&](Database&, std::string& failure) {
            std::vector<PointRow> points;
            if (!SourceExists(archive, source, failure) || !Points(archive, source, points, failure) ||
                !AddSite(archive, fields, made, failure)) {
                return false;
            }
            for (const PointRow& point : points) {
                PointFields copy;
                copy.name = point.fields.name;
                copy.kind = point.fields.kind;
                copy.limit = point.fields.limit;
                copy.intervalMonths = point.fields.intervalMonths;
                std::int64_t pointId = 0;
                if (!AddPoint(archive, made, copy, pointId, failure)) {
                    return false;
                }
            }
            return true;
        },
        error);
    if (copied) {
        id = made;
    }
    return copied;
}

}  // namespace terrovane::archive
