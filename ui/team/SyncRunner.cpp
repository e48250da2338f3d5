#include "SyncRunner.h"

#include <sys/resource.h>
#include <unistd.h>

namespace terrovane::teamui {
namespace {

// How far below the window's thread a sync runs (a thread's nice value on Linux).
constexpr int kBackgroundNice = 5;

}  // namespace

SyncRunner::SyncRunner(QObject* parent) : QObject(parent) {}

SyncRunner::~SyncRunner() {
    if (worker_ != nullptr) {
        Cancel();
        worker_->wait();
    }
}

bool SyncRunner::Start(const std::string& archivePath, const sync::SyncOptions& options) {
    return Start([archivePath, options](std::shared_ptr<const std::atomic<bool>> cancel) {
        sync::SyncOptions cancellable = options;
        cancellable.cancel = std::move(cancel);
        return sync::Synchronize(archivePath, cancellable);
    });
}

void SyncRunner::Cancel() {
    if (cancel_ != nullptr) {
        cancel_->store(true);
    }
}

bool SyncRunner::Start(Job job) {
    if (Running()) {
        return false;
    }
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    worker_.reset(QThread::create([this, job = std::move(job), cancel = cancel_] {
        // Behind the window's thread when both want the processor: a sync may take a little longer, the
        // window must not.
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kBackgroundNice);
        const sync::SyncReport report = job(cancel);
        // Queued to this object's thread; dropped with this object should it be gone by then.
        QMetaObject::invokeMethod(
            this, [this, report] { Done(report); }, Qt::QueuedConnection);
    }));
    worker_->start();
    emit Started();
    return true;
}

void SyncRunner::Done(const sync::SyncReport& report) {
    worker_->wait();  // its last step was to queue this call
    worker_.reset();
    cancel_.reset();
    emit Finished(report);
}

}  // namespace terrovane::teamui
