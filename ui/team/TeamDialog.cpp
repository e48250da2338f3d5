#include "TeamDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <utility>

#include "EscapeCloses.h"
#include "LinkTexts.h"
#include "NumberBox.h"
#include "SyncTexts.h"
#include "UserGuide.h"

namespace terrovane::teamui {
namespace {

constexpr int kDefaultMinutes = 15;

}  // namespace

TeamDialog::TeamDialog(TeamSession& session, QWidget* parent) : QDialog(parent), session_(session) {
    setWindowTitle(tr("Team"));
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    server_ = new QLineEdit(session.Server(), this);
    server_->setPlaceholderText(tr("host=server.example dbname=terrovane"));
    // Wide enough for a connection string with TLS options; the texts below wrap to this width.
    server_->setMinimumWidth(server_->fontMetrics().averageCharWidth() * 56);
    user_ = new QLineEdit(session.User(), this);
    password_ = new QLineEdit(this);
    password_->setEchoMode(QLineEdit::Password);
    form->addRow(tr("&Server:"), server_);
    form->addRow(tr("&User:"), user_);
    form->addRow(tr("&Password:"), password_);
    outer->addLayout(form);
    keeping_ = new QLabel(this);
    keeping_->setWordWrap(true);
    outer->addWidget(keeping_);

    auto* actions = new QHBoxLayout;
    signIn_ = new QPushButton(tr("Sign &in"), this);
    signOut_ = new QPushButton(tr("Sign &out"), this);
    syncNow_ = new QPushButton(tr("S&ync now"), this);
    for (QPushButton* button : {signIn_, signOut_, syncNow_}) {
        button->setAutoDefault(false);
        actions->addWidget(button);
    }
    actions->addStretch(1);
    outer->addLayout(actions);

    auto* automatic = new QHBoxLayout;
    auto_ = new QCheckBox(tr("Sync &automatically every"), this);
    minutes_ = new keyboard::WholeNumberBox(this);
    minutes_->setRange(1, 24 * 60);
    minutes_->setSuffix(tr(" minutes"));
    minutes_->setAccessibleName(auto_->text().remove(QLatin1Char('&')));
    auto_->setChecked(session.Pace().Minutes() > 0);
    minutes_->setValue(session.Pace().Minutes() > 0 ? session.Pace().Minutes() : kDefaultMinutes);
    automatic->addWidget(auto_);
    automatic->addWidget(minutes_);
    automatic->addStretch(1);
    outer->addLayout(automatic);

    status_ = new QLabel(this);
    status_->setWordWrap(true);
    detail_ = new QLabel(this);
    detail_->setWordWrap(true);
    detail_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    link_ = new QLabel(this);
    link_->setWordWrap(true);
    outer->addWidget(status_);
    outer->addWidget(link_);
    outer->addWidget(detail_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    outer->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(signIn_, &QPushButton::clicked, this, &TeamDialog::SignIn);
    for (QLineEdit* field : {server_, user_, password_}) {
        field->installEventFilter(this);
    }
    connect(signOut_, &QPushButton::clicked, &session_, &TeamSession::SignOut);
    // One button: Sync now, or while a sync runs, Cancel sync.
    connect(syncNow_, &QPushButton::clicked, this, [this] {
        if (session_.Syncing()) {
            session_.CancelSync();
        } else {
            session_.SyncNow();
        }
    });
    connect(auto_, &QCheckBox::toggled, this, &TeamDialog::ApplyAutoSync);
    connect(minutes_, &QSpinBox::valueChanged, this, &TeamDialog::ApplyAutoSync);
    connect(&session_, &TeamSession::Changed, this, &TeamDialog::ShowState);
    connect(&session_, &TeamSession::SyncStarted, this, &TeamDialog::ShowState);
    connect(&session_, &TeamSession::SyncFinished, this, &TeamDialog::ShowState);
    connect(&session_, &TeamSession::SyncFinished, this, &TeamDialog::CloseOnceSignedIn);
    keyboard::CloseOnEscape(this);
    help::OpenGuideOnHelpKey(this, help::kPageTeam);
    // The status texts change length: the dialog grows with them instead of squeezing the fields.
    outer->setSizeConstraint(QLayout::SetMinimumSize);
    ShowState();
}

void TeamDialog::SignIn() {
    if (session_.SignedIn() || session_.Syncing()) {
        return;
    }
    session_.SignIn(server_->text(), user_->text(), password_->text());
    password_->clear();
}

void TeamDialog::SignInByEnter() {
    if (session_.SignedIn() || session_.Syncing()) {
        return;
    }
    closeWhenSignedIn_ = true;
    SignIn();
    if (!session_.Syncing()) {
        closeWhenSignedIn_ = false;  // nothing started: the window shows why
    }
}

// A sign-in by Enter that failed keeps the window, its status saying why; one that succeeded is done.
void TeamDialog::CloseOnceSignedIn() {
    if (!std::exchange(closeWhenSignedIn_, false)) {
        return;
    }
    if (session_.SignedIn()) {
        accept();
    }
}

bool TeamDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return QDialog::eventFilter(watched, event);
    }
    if (watched == password_) {
        SignInByEnter();
    }
    return true;
}

void TeamDialog::ApplyAutoSync() {
    minutes_->setEnabled(auto_->isChecked());
    session_.Pace().SetMinutes(auto_->isChecked() ? minutes_->value() : 0);
}

void TeamDialog::ShowState() {
    ShowLink();
    const bool signedIn = session_.SignedIn();
    const bool syncing = session_.Syncing();
    if (signedIn || syncing) {
        // Whom the session signs in as, however it was signed in (here, or at the start from the store).
        server_->setText(session_.Server());
        user_->setText(session_.User());
    }
    server_->setEnabled(!signedIn && !syncing);
    user_->setEnabled(!signedIn && !syncing);
    password_->setEnabled(!signedIn && !syncing);
    password_->setPlaceholderText(signedIn ? tr("(kept)") : QString());
    signIn_->setEnabled(!signedIn && !syncing);
    signOut_->setEnabled(signedIn);
    syncNow_->setText(syncing ? tr("Cancel s&ync") : tr("S&ync now"));
    syncNow_->setEnabled(syncing ? !session_.Cancelling() : signedIn);
    minutes_->setEnabled(auto_->isChecked());
    keeping_->setText(session_.PasswordLasts()
                          ? tr("The password is kept in the desktop's secret store, never in a file.")
                          : tr("No secret store is available: the password is kept until the program "
                               "ends, and asked for again at the next start."));
    if (syncing) {
        status_->setText(session_.Cancelling() ? tr("Cancelling the sync...") : tr("Syncing..."));
        detail_->clear();
        detail_->hide();
        return;
    }
    ShowOutcome();
}

void TeamDialog::ShowLink() {
    const auto& link = session_.ServerLink().Security();
    link_->setText(session_.ServerLink().ServerLacksTls() ? ServerLacksTlsText()
                   : link                                 ? LinkSecurityText(*link)
                                                          : QString());
    link_->setVisible(!link_->text().isEmpty());
}

void TeamDialog::ShowOutcome() {
    const QString last = tr("Last sync: %1.").arg(SyncTimeText(session_.LastSync()));
    const auto& report = session_.LastReport();
    if (!report) {
        status_->setText(session_.SignedIn() ? last : tr("Signed out. %1").arg(last));
        detail_->clear();
        detail_->hide();
        return;
    }
    status_->setText(last + QLatin1Char(' ') + SyncOutcomeText(*report));
    detail_->setText(
        report->detail.empty()
            ? QString()
            : tr("The server's message: %1").arg(QString::fromStdString(report->detail).simplified()));
    detail_->setVisible(!detail_->text().isEmpty());
    adjustSize();
}

}  // namespace terrovane::teamui
