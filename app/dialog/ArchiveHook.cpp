#include "ArchiveHook.h"

#include <QCoreApplication>

#include "ArchivePath.h"
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

ArchiveHook::ArchiveHook(const record::ReadOutState& shown) : shown_(shown) {}

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
    return shownArchived_ && shown_.dataRead;
}

archive::KeptImage ArchiveHook::Accept(const archive::AcceptedImage& accepted) {
    const auto open = [this](std::string& error, std::string& movedAside) {
        if (!archive_) {
            archive_ = archive::Archive::Open(archive::DefaultArchivePath(), problem_, &movedAside);
        }
        error = problem_;
        return archive_.get();
    };
    const archive::KeptImage kept =
        archive::KeepAccepted(accepted, archive::PolicyFor(enabled(), false), open);
    if (!kept.movedAside.empty()) {
        SayMovedAside(kept.movedAside);
    }
    shownArchived_ = kept.InArchive();
    if (kept.state == archive::KeptImage::State::Kept) {
        emit Archived(kept.readoutId);
    }
    if (kept.state == archive::KeptImage::State::Failed) {
        platform::Alert(
            QCoreApplication::translate("Messages",
                                        "The read-out could not be kept in the archive (%1). The results "
                                        "read are shown and can be saved and printed as usual.")
                .arg(QString::fromStdString(kept.error))
                .toStdString());
    }
    return kept;
}

}  // namespace terrovane::app
