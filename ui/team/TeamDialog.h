#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "TeamSession.h"

namespace terrovane::teamui {

// File > Team...: the team server and who signs in, Sign in and Sign out, Sync now, the automatic syncs
// and a line saying how the last sync went. It works on the program's one session, which outlives it.
class TeamDialog : public QDialog {
    Q_OBJECT

  public:
    explicit TeamDialog(TeamSession& session, QWidget* parent = nullptr);

    QLineEdit& ServerEdit() const { return *server_; }
    QLineEdit& UserEdit() const { return *user_; }
    QLineEdit& PasswordEdit() const { return *password_; }
    QPushButton& SignInButton() const { return *signIn_; }
    QPushButton& SignOutButton() const { return *signOut_; }
    QPushButton& SyncNowButton() const { return *syncNow_; }
    QCheckBox& AutoSync() const { return *auto_; }
    QSpinBox& AutoMinutes() const { return *minutes_; }
    QLabel& Status() const { return *status_; }
    QLabel& Detail() const { return *detail_; }
    // Whether the connection is encrypted and the server's certificate verified, once a sync has told.
    QLabel& Link() const { return *link_; }

  protected:
    // Enter in a field is the field's and never reaches the window's buttons: the password's signs in,
    // the others' does nothing. (Passed on, it pressed Close once signing in disabled the field.)
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SignIn();
    void SignInByEnter();
    void CloseOnceSignedIn();
    void ApplyAutoSync();
    void ShowState();
    void ShowOutcome();
    void ShowLink();

    TeamSession& session_;
    QLineEdit* server_ = nullptr;
    QLineEdit* user_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLabel* keeping_ = nullptr;
    QPushButton* signIn_ = nullptr;
    QPushButton* signOut_ = nullptr;
    QPushButton* syncNow_ = nullptr;
    QCheckBox* auto_ = nullptr;
    QSpinBox* minutes_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* detail_ = nullptr;
    QLabel* link_ = nullptr;
    bool closeWhenSignedIn_ = false;  // Enter asked to sign in: the window closes once that succeeded
};

}  // namespace terrovane::teamui
