#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <tuple>

namespace terrovane::history {

// Tells a window that the archive file changed, whoever changed it (another window, another program, the
// command line), while the window is shown. It watches the file and its folder through the system's file
// notifications, which open no descriptor on the file (a descriptor closed on it would drop the process's
// SQLite locks), and compares the file's and its journal's times and sizes, so a mere read (which makes and
// removes the journal) changes nothing. Idle, it costs nothing: no timer runs between notifications.
class ArchiveWatch : public QObject {
    Q_OBJECT

  public:
    // Watches `path` while `window` is visible.
    ArchiveWatch(const QString& path, QWidget* window);

    // The file as it is now counts as seen: the window just read it, or wrote it itself.
    void MarkSeen();
    // True when the file changed since it was last seen.
    bool ChangedSinceSeen() const;

  signals:
    // The file changed since it was last seen; the window reloads (and the file then counts as seen).
    void Changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using Stamp =
        std::tuple<qint64, qint64, qint64, qint64, bool>;  // times and sizes, the journal's presence
    Stamp Current() const;
    void Start();
    void Stop();
    void Check();

    QString path_;
    QFileSystemWatcher watcher_;
    QTimer settle_;  // notifications come in bursts: one look once they stop
    Stamp seen_{};
};

}  // namespace terrovane::history
