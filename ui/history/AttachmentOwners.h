#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "Archive.h"
#include "Attachments.h"

namespace terrovane::history {

// The words the attachment strip names an owner by: a site's name, a test point's site and name, else
// what it is and its number.
QString AttachmentOwnerName(archive::Archive& archive, const archive::AttachmentOwner& owner);
// The site an owner belongs to (a result's through its test point); unset when it has none.
std::optional<std::int64_t> AttachmentOwnerSite(archive::Archive& archive,
                                                const archive::AttachmentOwner& owner);

}  // namespace terrovane::history
