#include "AttachmentOwner.h"

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Sites.h"

namespace terrovane::cli {

std::optional<archive::AttachmentOwner> FindAttachmentOwner(const std::string& command,
                                                            archive::Archive& store,
                                                            const std::string& target) {
    std::string error;
    if (const auto site = archive::FindSite(store, target, error)) {
        return archive::AttachmentOwner{archive::AttachedTo::Site, site->id};
    }
    const auto slash = target.rfind('/');
    if (slash != std::string::npos && slash > 0 && slash + 1 < target.size()) {
        error.clear();
        if (const auto point =
                archive::FindPoint(store, target.substr(0, slash), target.substr(slash + 1), error)) {
            return archive::AttachmentOwner{archive::AttachedTo::Point, point->id};
        }
    }
    CommandFailed(command, texts::ArchiveProblemText(error));
    return std::nullopt;
}

}  // namespace terrovane::cli
