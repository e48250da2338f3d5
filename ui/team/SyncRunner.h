#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>
#include <string>

#include "SyncReport.h"

namespace terrovane::teamui {

// Runs a sync on a thread of its own, so the network and the archive's writes never hold up the window,
// and reports back on the window's thread. One sync at a time: a request while one runs starts nothing.
class SyncRunner : public QObject {
    Q_OBJECT

  public:
    explicit SyncRunner(QObject* parent = nullptr);
    // Waits for a sync still running: its archive writes finish whole (the server's timeouts bound it).
    ~SyncRunner() override;

    // Starts a sync of the archive at `archivePath`; false, starting nothing, while one runs.
    bool Start(const std::string& archivePath, const sync::SyncOptions& options);
    // The same for a sync with work of its own around it (files to write that would hold up the window).
    using Job = std::function<sync::SyncReport()>;
    bool Start(Job job);
    bool Running() const { return worker_ != nullptr; }

  signals:
    void Started();
    void Finished(const terrovane::sync::SyncReport& report);

  private:
    void Done(const sync::SyncReport& report);

    std::unique_ptr<QThread> worker_;
};

}  // namespace terrovane::teamui
