// The attachment strip's owners as the archive knows them.
#include "AttachmentOwners.h"

#include "AttachmentStrip.h"
#include "Sites.h"
#include "TypedResults.h"

namespace terrovane::history {

QString AttachmentOwnerName(archive::Archive& archive, const archive::AttachmentOwner& owner) {
    std::string error;
    switch (owner.kind) {
        case archive::AttachedTo::Site: {
            std::vector<archive::SiteRow> sites;
            if (archive::Sites(archive, sites, error)) {
                for (const archive::SiteRow& site : sites) {
                    if (site.id == owner.id) {
                        return QString::fromStdString(site.fields.name);
                    }
                }
            }
            return AttachmentStrip::tr("site %1").arg(owner.id);
        }
        case archive::AttachedTo::Point:
            if (const auto point = archive::PointById(archive, owner.id, error)) {
                return QString::fromStdString(point->siteName + " / " + point->fields.name);
            }
            return AttachmentStrip::tr("test point %1").arg(owner.id);
        case archive::AttachedTo::Result:
            return AttachmentStrip::tr("result %1").arg(owner.id);
        case archive::AttachedTo::TypedResult:
            return AttachmentStrip::tr("typed result %1").arg(owner.id);
    }
    return {};
}

std::optional<std::int64_t> AttachmentOwnerSite(archive::Archive& archive,
                                                const archive::AttachmentOwner& owner) {
    std::string error;
    std::optional<std::int64_t> point;
    switch (owner.kind) {
        case archive::AttachedTo::Site:
            return owner.id;
        case archive::AttachedTo::Point:
            point = owner.id;
            break;
        case archive::AttachedTo::Result:
            if (const auto row = archive.Result(owner.id, error)) {
                point = row->point;
            }
            break;
        case archive::AttachedTo::TypedResult:
            if (const auto typed = archive::TypedResultById(archive, owner.id)) {
                point = typed.Value().point;
            }
            break;
    }
    if (point) {
        if (const auto found = archive::PointById(archive, *point, error)) {
            return found->site;
        }
    }
    return std::nullopt;
}

}  // namespace terrovane::history
