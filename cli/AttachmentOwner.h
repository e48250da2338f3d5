#pragma once

#include <optional>
#include <string>

#include "Archive.h"
#include "Attachments.h"

namespace terrovane::cli {

// What "SITE" or "SITE/POINT" names: a site of that whole name first (a name may hold a "/"), else the
// point after the last "/" of the site before it. nullopt after a message naming `command`.
std::optional<archive::AttachmentOwner> FindAttachmentOwner(const std::string& command,
                                                            archive::Archive& store,
                                                            const std::string& target);

}  // namespace terrovane::cli
