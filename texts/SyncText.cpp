#include "SyncText.h"

#include <QCoreApplication>

namespace terrovane::texts {

QString SyncErrorText(sync::SyncError error) {
    switch (error) {
        case sync::SyncError::None:
            return {};
        case sync::SyncError::CannotReach:
            return QCoreApplication::translate(
                "SyncErrors",
                "The team server cannot be reached. Nothing is lost: the changes wait here "
                "until the next sync.");
        case sync::SyncError::SignInRefused:
            return QCoreApplication::translate("SyncErrors",
                                               "The team server refused the sign-in. Check the user "
                                               "name and password.");
        case sync::SyncError::NotMember:
            return QCoreApplication::translate(
                "SyncErrors", "You are not a member of the team (any more). Ask the office.");
        case sync::SyncError::NoTeamSchema:
            return QCoreApplication::translate("SyncErrors",
                                               "The database is not set up as a team archive yet (it has no "
                                               "team schema): the office sets it up with \"terrovane-cli "
                                               "team init\".");
        case sync::SyncError::UpdateProgram:
            return QCoreApplication::translate("SyncErrors",
                                               "The team server is newer than this program. Update this "
                                               "program; nothing was changed.");
        case sync::SyncError::UpdateServer:
            return QCoreApplication::translate("SyncErrors",
                                               "The team server is older than this program. Its owner "
                                               "runs \"terrovane-cli team upgrade\"; nothing was changed.");
        case sync::SyncError::OtherServer:
            return QCoreApplication::translate("SyncErrors",
                                               "This archive syncs with another team server; nothing was "
                                               "changed.");
        case sync::SyncError::OtherLogin:
            return QCoreApplication::translate("SyncErrors",
                                               "This archive belongs to another login of the team. Sign in "
                                               "as the login that synced it first, or start a new archive "
                                               "for this login; nothing was changed.");
        case sync::SyncError::ArchiveFailed:
            return QCoreApplication::translate("SyncErrors", "The archive could not be read or written.");
        case sync::SyncError::ServerFailed:
            return QCoreApplication::translate("SyncErrors", "The team server reported an error.");
        case sync::SyncError::Unsettled:
            return QCoreApplication::translate("SyncErrors",
                                               "The team server is still writing changes of others. Sync "
                                               "again in a moment.");
        case sync::SyncError::Cancelled:
            return QCoreApplication::translate("SyncErrors",
                                               "The sync was cancelled. What was sent and received is kept; "
                                               "the next sync goes on from there.");
    }
    return QCoreApplication::translate("SyncErrors", "The team server reported an error.");
}

QString SyncOutcomeText(const sync::SyncReport& report) {
    const QString aside =
        report.movedAside.empty()
            ? QString()
            : QCoreApplication::translate("SyncStatus",
                                          "The archive was damaged; it was moved aside as %1 and a new one "
                                          "started. ")
                  .arg(QString::fromStdString(report.movedAside));
    if (report.error != sync::SyncError::None) {
        return aside + SyncErrorText(report.error);
    }
    return aside + QCoreApplication::translate("SyncStatus",
                                               "Sent: %1, received: %2, in conflict: %3, not yet sent: %4.")
                       .arg(report.pushed)
                       .arg(report.pulled)
                       .arg(report.conflicts)
                       .arg(report.unsent);
}

}  // namespace terrovane::texts
