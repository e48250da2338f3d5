// One start of the program's team session, as the tests of the desktop's secret store need it: each run is
// a process of its own in the environment the test gives it (its settings file, its session bus), so what
// lasts from one run to the next is only what the settings file and the secret store kept.
//   team_session_probe sign-in ARCHIVE SERVER USER PASSWORD   signs in through the Team dialog, syncs, ends
//   team_session_probe sync ARCHIVE                           starts as the program does, syncs, ends
//   team_session_probe sign-out ARCHIVE                       starts, signs out in the Team dialog, ends
// Prints "signed-in=0|1 error=NAME pulled=N" for the sync it ran; exits 0, 3 when it was not signed in
// at the start (the window would ask for the password), 1 when something did not answer in time.
#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstring>

#include "TeamDialog.h"
#include "TeamSession.h"

namespace {

namespace teamui = terrovane::teamui;
namespace sync = terrovane::sync;

constexpr int kWaitMs = 60000;

void Print(const teamui::TeamSession& session) {
    const auto& report = session.LastReport();
    std::printf("signed-in=%d error=%s pulled=%d\n", session.SignedIn() ? 1 : 0,
                report ? sync::SyncErrorName(report->error) : "none", report ? report->pulled : 0);
}

// As the main window does at its start: the password of the last sign-in from the store, if it is there.
bool Restore(teamui::TeamSession& session) {
    bool answered = false;
    const QMetaObject::Connection heard =
        QObject::connect(&session, &teamui::TeamSession::Changed, [&] { answered = true; });
    session.Restore();
    const bool done = QTest::qWaitFor([&] { return answered; }, kWaitMs);
    QObject::disconnect(heard);
    return done;
}

int SignIn(teamui::TeamSession& session, teamui::TeamDialog& dialog, char** argv) {
    dialog.ServerEdit().setText(QString::fromLocal8Bit(argv[3]));
    dialog.UserEdit().setText(QString::fromLocal8Bit(argv[4]));
    dialog.PasswordEdit().setText(QString::fromLocal8Bit(argv[5]));
    dialog.SignInButton().click();
    if (!QTest::qWaitFor([&] { return !session.Syncing(); }, kWaitMs)) {
        return 1;
    }
    Print(session);
    return 0;  // the program ends here: the store's answer must still arrive
}

int Sync(teamui::TeamSession& session) {
    if (!Restore(session)) {
        return 1;
    }
    if (!session.SignedIn()) {
        Print(session);
        return 3;
    }
    if (!session.SyncNow() || !QTest::qWaitFor([&] { return !session.Syncing(); }, kWaitMs)) {
        return 1;
    }
    Print(session);
    return 0;
}

int SignOut(teamui::TeamSession& session, teamui::TeamDialog& dialog) {
    if (!Restore(session) || !session.SignedIn()) {
        return 3;
    }
    dialog.SignOutButton().click();
    Print(session);
    return 0;  // at once, as a person quits right after Sign out
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool signIn = argc == 6 && std::strcmp(argv[1], "sign-in") == 0;
    const bool other =
        argc == 3 && (std::strcmp(argv[1], "sync") == 0 || std::strcmp(argv[1], "sign-out") == 0);
    if (!signIn && !other) {
        std::fprintf(stderr,
                     "usage: team_session_probe sign-in|sync|sign-out ARCHIVE [SERVER USER PASSWORD]\n");
        return 2;
    }
    teamui::TeamSession session(argv[2]);
    teamui::TeamDialog dialog(session);
    if (signIn) {
        return SignIn(session, dialog, argv);
    }
    return std::strcmp(argv[1], "sync") == 0 ? Sync(session) : SignOut(session, dialog);
}
