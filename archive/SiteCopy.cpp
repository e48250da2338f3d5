#include "SiteCopy.h"

#include <vector>

#include "Problems.h"
#include "Sites.h"
#include "Transaction.h"

namespace terrovane::archive {
namespace {

Status SourceExists(Archive& archive, std::int64_t source) {
    std::vector<SiteRow> sites;
    if (std::string error; !Sites(archive, sites, error)) {
        return LibraryFailure(error);
    }
    for (const SiteRow& site : sites) {
        if (site.id == source) {
            return Done{};
        }
    }
    return Missing(kNoSite, {std::to_string(source)});
}

Status CopyPoints(Archive& archive, Database& db, std::int64_t source, std::int64_t made) {
    std::vector<PointRow> points;
    std::string error;
    if (!Points(archive, source, points, error)) {
        return LibraryFailure(error);
    }
    for (const PointRow& point : points) {
        PointFields copy;
        copy.name = point.fields.name;
        copy.kind = point.fields.kind;
        copy.limit = point.fields.limit;
        copy.intervalMonths = point.fields.intervalMonths;
        std::int64_t pointId = 0;
        if (!AddPoint(archive, made, copy, pointId, error)) {
            return OperationFailure(db, error);
        }
    }
    return Done{};
}

}  // namespace

Result<std::int64_t> CopySite(Archive& archive, std::int64_t source, const SiteFields& fields) {
    std::int64_t made = 0;
    const Status copied = archive.Run(Archive::Access::Write, [&](Database& db) -> Status {
        if (Status exists = SourceExists(archive, source); !exists) {
            return exists;
        }
        if (std::string error; !AddSite(archive, fields, made, error)) {
            return OperationFailure(db, error);
        }
        return CopyPoints(archive, db, source, made);
    });
    if (!copied) {
        return copied.Error();
    }
    return made;
}

}  // namespace terrovane::archive
