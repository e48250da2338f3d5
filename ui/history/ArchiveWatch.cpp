#include "ArchiveWatch.h"

#include <QEvent>
#include <QFileInfo>
#include <QWidget>

#include <filesystem>

namespace terrovane::history {
namespace {

// Long enough to let a writer finish its transaction, short enough to show the change within a second.
constexpr int kSettleMs = 150;

}  // namespace

ArchiveWatch::ArchiveWatch(const QString& path, QWidget* window) : QObject(window), path_(path) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &ArchiveWatch::Check);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
    window->installEventFilter(this);
    seen_ = Current();
    if (window->isVisible()) {
        Start();
    }
}

ArchiveWatch::Stamp ArchiveWatch::Current() const {
    // Nanosecond times: two transactions within a millisecond still differ.
    const auto stamp = [](const QString& path, qint64& time, qint64& size) {
        std::error_code error;
        const std::filesystem::path file(path.toStdString());
        const auto written = std::filesystem::last_write_time(file, error);
        time = error ? -1 : static_cast<qint64>(written.time_since_epoch().count());
        const auto bytes = std::filesystem::file_size(file, error);
        size = error ? -1 : static_cast<qint64>(bytes);
    };
    Stamp now{};
    stamp(path_, std::get<0>(now), std::get<1>(now));
    stamp(path_ + QStringLiteral("-wal"), std::get<2>(now), std::get<3>(now));
    std::get<4>(now) = std::get<3>(now) >= 0;
    return now;
}

void ArchiveWatch::MarkSeen() {
    seen_ = Current();
}

bool ArchiveWatch::ChangedSinceSeen() const {
    return Current() != seen_;
}

bool ArchiveWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        Start();
        // Changes made while the window was hidden show as it opens.
        if (ChangedSinceSeen()) {
            emit Changed();
        }
    } else if (event->type() == QEvent::Hide) {
        Stop();
    }
    return QObject::eventFilter(watched, event);
}

void ArchiveWatch::Start() {
    const QFileInfo file(path_);
    QStringList paths{file.absolutePath()};
    for (const QString& each : {path_, path_ + QStringLiteral("-wal")}) {
        if (QFileInfo::exists(each)) {
            paths << each;
        }
    }
    for (const QString& each : paths) {
        if (!watcher_.files().contains(each) && !watcher_.directories().contains(each)) {
            watcher_.addPath(each);
        }
    }
}

void ArchiveWatch::Stop() {
    settle_.stop();
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty()) {
        watcher_.removePaths(watched);
    }
}

void ArchiveWatch::Check() {
    // A journal made or a file replaced since the last look is watched from now on.
    Start();
    if (ChangedSinceSeen()) {
        MarkSeen();
        emit Changed();
    }
}

}  // namespace terrovane::history
