// Opens the Team dialog (while a sign-in's sync runs and is cancelled, after a sign-in while the server is
// out of reach, after a cancelled sync and after a sync), the archive window with its sync line (after a
// cancelled sync and after a sync) and the conflicts dialog over a sample archive with two conflicts, and
// saves them as PNG files: team-shots ARCHIVE OUT_PREFIX.
#include <QApplication>
#include <QTest>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>

#include "Archive.h"
#include "ConflictsDialog.h"
#include "HistoryWindow.h"
#include "LanguageChoice.h"
#include "LocalSql.h"
#include "Materialize.h"
#include "Settings.h"
#include "Sites.h"
#include "SyncStrip.h"
#include "TeamDialog.h"
#include "TeamSamples.h"
#include "TeamSession.h"

namespace {

namespace archive = terrovane::archive;
namespace sync = terrovane::sync;
namespace teamui = terrovane::teamui;
using teamui::samples::FillConflicts;

// A port on 127.0.0.1 that takes connections and never answers: a sync against it runs until its connect
// timeout, long enough to show the dialog while a sync runs. 0 when none could be opened.
int SilentPort() {
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listener, 8) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return 0;
    }
    return ntohs(address.sin_port);  // open until the program ends
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    terrovane::translations::InstallLanguage(terrovane::translations::SystemLanguage());
    if (argc < 3) {
        std::fprintf(stderr, "usage: team-shots ARCHIVE OUT_PREFIX\n");
        return 2;
    }
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    std::string error;
    auto store = archive::Archive::Open(argv[1], error);
    if (store == nullptr) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    FillConflicts(*store);

    teamui::TeamSession session(store->Path());
    teamui::TeamDialog dialog(session);
    dialog.show();
    (void)QTest::qWaitForWindowExposed(&dialog);
    dialog.grab().save(prefix + QStringLiteral("team-dialog-signed-out.png"));
    // The server never answers: the sign-in's sync runs (and is cancelled) until it gives up, and the
    // sign-in is kept for when the server can be reached again.
    session.SignIn(QStringLiteral("host=127.0.0.1 port=%1 dbname=team connect_timeout=3").arg(SilentPort()),
                   QStringLiteral("ann"), QStringLiteral("secret"));
    QTest::qWait(200);
    dialog.grab().save(prefix + QStringLiteral("team-dialog-syncing.png"));
    dialog.SyncNowButton().click();
    QTest::qWait(100);
    dialog.grab().save(prefix + QStringLiteral("team-dialog-cancelling.png"));
    (void)QTest::qWaitFor([&] { return !session.Syncing(); }, 20000);
    QTest::qWait(200);
    dialog.grab().save(prefix + QStringLiteral("team-dialog-unreachable.png"));
    sync::SyncReport cancelled;
    cancelled.error = sync::SyncError::Cancelled;
    cancelled.pushed = 500;
    cancelled.unsent = 9500;
    session.Take(cancelled);
    QTest::qWait(100);
    dialog.grab().save(prefix + QStringLiteral("team-dialog-cancelled.png"));
    sync::SyncReport report;
    report.pushed = 12;
    report.pulled = 340;
    report.conflicts = 2;
    report.inSync = true;
    terrovane::platform::Settings settings;
    settings.SetTeamLastSync(QDateTime::currentDateTimeUtc().addSecs(-90));
    settings.Save();
    session.Take(report);
    dialog.AutoSync().setChecked(true);
    QTest::qWait(100);
    dialog.grab().save(prefix + QStringLiteral("team-dialog.png"));

    terrovane::history::HistoryWindow window(store.get(), QString());
    auto* strip = new teamui::SyncStrip(*store, session, &window);
    window.AddFooter(strip);
    window.resize(1000, 560);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    session.Take(cancelled);
    strip->Refresh();
    QTest::qWait(100);
    window.grab().save(prefix + QStringLiteral("team-archive-window-cancelled.png"));
    session.Take(report);
    strip->Refresh();
    QTest::qWait(100);
    window.grab().save(prefix + QStringLiteral("team-archive-window.png"));
    strip->ShowConflicts();
    teamui::ConflictsDialog* conflicts = strip->Conflicts();
    (void)QTest::qWaitForWindowExposed(conflicts);
    conflicts->List().selectRow(0);
    QTest::qWait(100);
    conflicts->grab().save(prefix + QStringLiteral("team-conflicts.png"));
    std::printf(
        "saved %steam-dialog-signed-out.png, %steam-dialog-syncing.png, %steam-dialog-cancelling.png, "
        "%steam-dialog-unreachable.png, %steam-dialog-cancelled.png, %steam-dialog.png, "
        "%steam-archive-window-cancelled.png, %steam-archive-window.png, %steam-conflicts.png\n",
        argv[2], argv[2], argv[2], argv[2], argv[2], argv[2], argv[2], argv[2], argv[2]);
    return 0;
}
