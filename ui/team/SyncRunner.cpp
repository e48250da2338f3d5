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
        worker_->wait();
    }
}

bool SyncRunner::Start(const std::string& archivePath, const sync::SyncOptions& options) {
    return Start([archivePath, options] { return sync::Synchronize(archivePath, options); });
}

bool SyncRunner::Start(Job job) {
    if (Running()) {
        return false;
    }
    worker_.reset(QThread::create([this, job = std::move(job)] {
        // Behind the window's thread when both want the processor: a sync may take a little longer, the
        // window must not.
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kBackgroundNice);
        const sync::SyncReport report = job();
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
    emit Finished(report);
}

}  // namespace terrovane::teamui
