// How soon the main window's port watch sees the instrument come and go, starting from rest: the port map
// file is published (renamed into place, as a device node appears) or removed, and the time until the idle
// picture shows or hides is taken. The port watch's promise is one timer period, 5 ms.
// Usage: bench_watch_latency [rounds]
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "CTesterDlg.h"

namespace {

using terrovane::app::CTesterDlg;

// Runs the loop until `done` or two seconds passed; the milliseconds it took, -1 on time-out.
template <typename Condition>
double MillisecondsUntil(const Condition& done) {
    QElapsedTimer clock;
    clock.start();
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(2000);
    while (!done() && deadline.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done() ? static_cast<double>(clock.nsecsElapsed()) / 1e6 : -1;
}

void Publish(const std::string& map, const std::string& device) {
    const std::string scratch = map + ".new";
    std::ofstream(scratch) << "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Slabser0=COM3\n[Ports]\nCOM3="
                           << device << "\n";
    ::rename(scratch.c_str(), map.c_str());
}

void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const auto at = [&times](double share) {
        return times[static_cast<std::size_t>(share * (times.size() - 1))];
    };
    std::printf("%-8s median %.2f ms  90th %.2f ms  max %.2f ms  (%zu rounds)\n", what, at(0.5), at(0.9),
                times.back(), times.size());
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir scratch;
    const std::string map = scratch.filePath(QStringLiteral("portmap.ini")).toStdString();
    ::setenv("TERROVANE_PORTMAP", map.c_str(), 1);
    ::setenv("TERROVANE_ARCHIVE", scratch.filePath(QStringLiteral("archive.sqlite")).toUtf8().constData(), 1);
    ::setenv("TERROVANE_HANDOFF_DIR", scratch.filePath(QStringLiteral("handoff")).toUtf8().constData(), 1);
    ::setenv("XDG_CONFIG_HOME", scratch.filePath(QStringLiteral("config")).toUtf8().constData(), 1);
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const int line = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (line < 0 || ::grantpt(line) != 0 || ::unlockpt(line) != 0) {
        std::perror("pseudo-terminal");
        return 1;
    }
    const std::string device = ::ptsname(line);

    CTesterDlg dialog;
    dialog.show();
    const QTimer& timer = dialog.Parts().Watch().Timer();
    const QWidget* idle = dialog.IdlePicture();
    auto resting = [&timer] { return !timer.isActive(); };
    auto shown = [&] { return idle->isVisibleTo(&dialog); };
    std::vector<double> plugs;
    std::vector<double> unplugs;
    for (int round = 0; round < rounds; ++round) {
        if (MillisecondsUntil(resting) < 0)
            return std::puts("the watch did not rest"), 1;
        Publish(map, device);
        plugs.push_back(MillisecondsUntil(shown));
        if (MillisecondsUntil(resting) < 0)
            return std::puts("the watch did not rest"), 1;
        ::unlink(map.c_str());
        unplugs.push_back(MillisecondsUntil([&] { return !shown(); }));
    }
    if (std::count(plugs.begin(), plugs.end(), -1) + std::count(unplugs.begin(), unplugs.end(), -1) > 0)
        return std::puts("a plug or unplug went unseen for 2 s"), 1;
    Report("plug", plugs);
    Report("unplug", unplugs);
    ::close(line);
    return 0;
}
