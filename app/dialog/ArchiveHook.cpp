#include "ArchiveHook.h"

#include <QCoreApplication>

#include "ArchivePath.h"
#include "CTesterDlg.h"
#include "MessageBox.h"

namespace terrovane::app {
namespace {

void SayMovedAside(const std::string& aside) {
    platform::Alert(
        QCoreApplication::translate(
            "Messages",
            "The archive was damaged. It was moved aside as \"%1\" and a new archive was started.")
            .arg(QString::fromStdString(aside))
            .toStdString());
}

}  // namespace

ArchiveHook::ArchiveHook(CTesterDlg& dialog) : dialog_(dialog) {}

ArchiveHook::~ArchiveHook() = default;

archive::Archive* ArchiveHook::Archive() {
    if (!archive_) {
        std::string aside;
        archive_ = archive::Archive::Open(archive::DefaultArchivePath(), problem_, &aside);
        if (!aside.empty()) {
            SayMovedAside(aside);
        }
    }
    return archive_.get();
}

bool ArchiveHook::ShownReadOutArchived() const {
    return shownArchived_ && dialog_.State().dataRead;
}

void ArchiveHook::ArchiveAcceptedReadOut(const std::string& port) {
    shownArchived_ = false;
    if (!enabled()) {
        return;
    }
    archive::Archive* store = Archive();
    std::string reason = problem_;
    if (store != nullptr) {
        const archive::StoreOutcome outcome =
            store->Store({archive::NowIso8601(), port, &dialog_.State().buffer});
        if (!outcome.movedAside.empty()) {
            SayMovedAside(outcome.movedAside);
        }
        if (outcome.stored) {
            shownArchived_ = true;
            emit Archived(outcome.readoutId);
            return;
        }
        reason = outcome.error;
    }
    platform::Alert(
        QCoreApplication::translate("Messages",
                                    "The read-out could not be kept in the archive (%1). The results "
                                    "read are shown and can be saved and printed as usual.")
            .arg(QString::fromStdString(reason))
            .toStdString());
}

}  // namespace terrovane::app
