#include "SyncStrip.h"

#include <QHBoxLayout>

#include "Batch.h"
#include "SyncTexts.h"

namespace terrovane::teamui {
namespace {

// Changes waiting to be sent; nullopt when the archive cannot say.
std::optional<int> UnsentChanges(archive::Archive& archive) {
    int unsent = 0;
    const archive::Status read =
        archive.Run(archive::Archive::Access::Read, [&unsent](archive::Database& db) {
            try {
                unsent = sync::Unsent(db);
            } catch (const std::exception& failure) {
                return archive::Status(archive::FailureOf(1, failure.what()));
            }
            return archive::Status(archive::Done{});
        });
    return read.Ok() ? std::optional<int>(unsent) : std::nullopt;
}

}  // namespace

SyncStrip::SyncStrip(archive::Archive& archive, TeamSession& session, QWidget* parent)
    : QWidget(parent), archive_(archive), session_(session) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    summary_ = new QLabel(this);
    conflictsButton_ = new QPushButton(this);
    conflictsButton_->setAutoDefault(false);
    row->addWidget(summary_, 1);
    row->addWidget(conflictsButton_);
    connect(conflictsButton_, &QPushButton::clicked, this, &SyncStrip::ShowConflicts);
    connect(&session_, &TeamSession::SyncFinished, this, [this] {
        Refresh();
        if (conflicts_ != nullptr) {
            conflicts_->Reload();
        }
    });
    connect(&session_, &TeamSession::SyncStarted, this, &SyncStrip::Refresh);
    connect(&session_, &TeamSession::Changed, this, &SyncStrip::Refresh);
    Refresh();
}

void SyncStrip::Refresh() {
    const QString last = tr("Last sync: %1").arg(SyncTimeText(session_.LastSync()));
    const std::optional<int> unsent = UnsentChanges(archive_);
    const QString waiting = unsent ? tr("Not yet sent: %1").arg(*unsent) : tr("Not yet sent: unknown");
    QString summary = last + QStringLiteral(" · ") + waiting;
    if (session_.Syncing()) {
        summary +=
            QStringLiteral(" · ") + (session_.Cancelling() ? tr("Cancelling the sync...") : tr("Syncing..."));
    } else if (session_.LastReport() && session_.LastReport()->error == sync::SyncError::Cancelled) {
        summary += QStringLiteral(" · ") + tr("The last sync was cancelled");
    }
    summary_->setText(summary);
    const auto conflicts = sync::ListConflicts(archive_);
    const int count = conflicts.Ok() ? static_cast<int>(conflicts.Value().size()) : 0;
    conflictsButton_->setText(count > 0 ? tr("Conflicts (%1)...").arg(count) : tr("Conflicts..."));
}

void SyncStrip::ShowConflicts() {
    if (conflicts_ == nullptr) {
        conflicts_ = new ConflictsDialog(archive_, window());
        conflicts_->setAttribute(Qt::WA_DeleteOnClose);
        connect(conflicts_, &ConflictsDialog::Settled, this, &SyncStrip::Refresh);
    } else {
        conflicts_->Reload();
    }
    conflicts_->show();
    conflicts_->raise();
    conflicts_->activateWindow();
}

}  // namespace terrovane::teamui
