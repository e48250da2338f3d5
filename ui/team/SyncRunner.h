#pragma once

#include <QObject>
#include <QThread>

#include <atomic>
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
    // Cancels a sync still running and waits for it: the batch or page under way finishes whole (the
    // server's timeouts bound it), so the program never ends in the middle of an archive write.
    ~SyncRunner() override;

    // Starts a sync of the archive at `archivePath`; false, starting nothing, while one runs.
    bool Start(const std::string& archivePath, const sync::SyncOptions& options);
    // The same for a sync with work of its own around it (files to write that would hold up the window);
    // the job hands `cancel` on to the sync's options.
    using Job = std::function<sync::SyncReport(std::shared_ptr<const std::atomic<bool>> cancel)>;
    bool Start(Job job);
    bool Running() const { return worker_ != nullptr; }
    // Asks the running sync to stop after the batch or page under way; it then ends as cancelled.
    void Cancel();
    bool Cancelling() const { return Running() && cancel_ != nullptr && cancel_->load(); }

  signals:
    void Started();
    void Finished(const terrovane::sync::SyncReport& report);

  private:
    void Done(const sync::SyncReport& report);

    std::unique_ptr<QThread> worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
};

}  // namespace terrovane::teamui
