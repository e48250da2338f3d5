#include "AcceptStep.h"

namespace terrovane::archive {

ArchivingPolicy PolicyFor(bool settingEnabled, bool declinedByUser) {
    if (declinedByUser) {
        return ArchivingPolicy::Declined;
    }
    return settingEnabled ? ArchivingPolicy::Keep : ArchivingPolicy::TurnedOff;
}

KeptImage KeepAccepted(const AcceptedImage& accepted, ArchivingPolicy policy, const ArchiveOpener& open) {
    KeptImage kept;
    if (accepted.archived) {
        // Opened from the archive: it holds the image already, whatever the policy says now.
        kept.state = KeptImage::State::AlreadyKept;
        kept.readoutId = *accepted.archived;
        return kept;
    }
    if (policy != ArchivingPolicy::Keep) {
        kept.state =
            policy == ArchivingPolicy::Declined ? KeptImage::State::Declined : KeptImage::State::TurnedOff;
        return kept;
    }
    Archive* store = open(kept.error, kept.movedAside);
    if (store == nullptr) {
        return kept;
    }
    const StoreOutcome outcome = store->Store(
        {accepted.readAt.empty() ? NowIso8601() : accepted.readAt, accepted.port, accepted.image});
    if (!outcome.movedAside.empty()) {
        kept.movedAside = outcome.movedAside;
    }
    kept.readoutId = outcome.readoutId;
    kept.error = outcome.error;
    kept.state = outcome.stored ? KeptImage::State::Kept : KeptImage::State::Failed;
    return kept;
}

}  // namespace terrovane::archive
