#include "ArchiveFailure.h"

#include <QCoreApplication>

#include "ArchiveProblemText.h"
#include "MessageBox.h"

namespace terrovane::history {

QString WhatToDo(const archive::Archive& archive) {
    const auto& failure = archive.LatestFailure();
    if (!failure) {
        return {};
    }
    const auto text = [](const char* source) { return QCoreApplication::translate("Messages", source); };
    switch (failure->code) {
        case archive::ErrorCode::Locked:
            return text(QT_TRANSLATE_NOOP(
                "Messages", "Another program is writing to the archive. Try again in a moment."));
        case archive::ErrorCode::ReadOnly:
            return text(QT_TRANSLATE_NOOP(
                "Messages",
                "The archive cannot be written. Check that you may write its file and its folder."));
        case archive::ErrorCode::Damaged:
            return text(QT_TRANSLATE_NOOP(
                "Messages",
                "The archive is damaged. Start Terrovane again: it moves the damaged file aside and starts a "
                "new archive."));
        case archive::ErrorCode::CannotOpen:
            return text(
                QT_TRANSLATE_NOOP("Messages", "Check that the archive's folder exists and belongs to you."));
        case archive::ErrorCode::NewerLayout:
            return text(QT_TRANSLATE_NOOP("Messages",
                                          "Use the newer version of the program that wrote the archive."));
        case archive::ErrorCode::NoSuchItem:
            return text(QT_TRANSLATE_NOOP(
                "Messages",
                "Another program may have changed it meanwhile; the window now shows the archive as it is."));
        default:
            return {};
    }
}

QString ArchiveFailureText(const QString& what, const archive::Archive& archive, const std::string& error) {
    QString message = what + QStringLiteral("\n") + texts::ArchiveProblemText(error);
    if (const QString advice = WhatToDo(archive); !advice.isEmpty()) {
        message += QStringLiteral("\n\n") + advice;
    }
    return message;
}

void SayArchiveFailure(const QString& what, const archive::Archive& archive, const std::string& error) {
    platform::Alert(ArchiveFailureText(what, archive, error).toStdString());
}

}  // namespace terrovane::history
