#include "HandoffDir.h"

#include <QDir>
#include <QStandardPaths>

#include "PrivateFolder.h"

namespace terrovane::platform {
namespace {

std::string HandoffFolderRefusal(const std::string& dir, FolderState state) {
    const std::string folder = "The hand-off folder " + dir;
    switch (state) {
        case FolderState::Usable:
            return {};
        case FolderState::NotAFolder:
            return folder + " is not a folder; set TERROVANE_HANDOFF_DIR to a folder of your own.";
        case FolderState::OtherOwner:
            return folder +
                   " belongs to another user, so it is not used; set TERROVANE_HANDOFF_DIR to a "
                   "folder of your own.";
        case FolderState::OpenToOthers:
            return folder +
                   " can be written by other users, so it is not used; make it yours alone with: "
                   "chmod go-w '" +
                   dir + "'";
        case FolderState::Missing:
        case FolderState::Unreadable:
            break;
    }
    return folder + " cannot be created or opened; set TERROVANE_HANDOFF_DIR to a folder of your own.";
}

std::string ConfiguredDir() {
    QString dir = qEnvironmentVariable("TERROVANE_HANDOFF_DIR");
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Terrovane";
    return QFile::encodeName(QDir::cleanPath(dir)).toStdString();
}

}  // namespace

std::optional<std::string> HandoffDir(std::string* error) {
    const std::string dir = ConfiguredDir();
    FolderState state = CheckFolder(dir, Privacy::NoOtherWriters);
    if (state == FolderState::Missing) {
        // The records are the user's own: nobody else needs to read them.
        MakePrivateFolder(dir);
        state = CheckFolder(dir, Privacy::NoOtherWriters);
    }
    if (state == FolderState::Usable)
        return dir;
    if (error != nullptr)
        *error = HandoffFolderRefusal(dir, state);
    return std::nullopt;
}

std::optional<std::string> HandoffPath(const std::string& fileName, std::string* error) {
    const auto dir = HandoffDir(error);
    if (!dir)
        return std::nullopt;
    return *dir + "/" + fileName;
}

}  // namespace terrovane::platform
