#include "GridComputation.h"

namespace terrovane::engineering {

GridComputation::GridComputation(Finished finished, QObject* parent)
    : QObject(parent), finished_(std::move(finished)) {}

GridComputation::~GridComputation() {
    Cancel();
    if (worker_.joinable())
        worker_.join();
}

void GridComputation::Start(Request request) {
    if (Running()) {
        stop_->store(true);
        waiting_ = std::move(request);
        return;
    }
    Launch(std::move(request));
}

void GridComputation::Cancel() {
    waiting_.reset();
    if (stop_)
        stop_->store(true);
}

void GridComputation::Launch(Request request) {
    stop_ = std::make_shared<std::atomic<bool>>(false);
    share_ = 0;
    worker_ = std::thread([this, request = std::move(request), stop = stop_] {
        electrode::ComputedOptions options;
        // The window's computation leaves a core to the window and to the rest of the desktop.
        options.solve.threads = std::max(1, static_cast<int>(std::thread::hardware_concurrency()) - 1);
        // Asked within the matrix's rows and blocks too: Cancel acts in the middle of a large solve.
        options.solve.stop = [stop] { return stop->load(); };
        options.progress = [this, stop](double share) {
            share_ = share;
            return !stop->load();
        };
        const electrode::ComputedSafety result =
            request.fitted
                ? electrode::AssessInFittedSoil(request.design, *request.fitted, request.formulas, options)
                : electrode::AssessInSoil(request.design, request.soil, request.formulas, options);
        // Queued to the window's thread; the destructor joins this thread first, so `this` outlives it.
        QMetaObject::invokeMethod(
            this, [this, result] { Done(result); }, Qt::QueuedConnection);
    });
}

void GridComputation::Done(const electrode::ComputedSafety& result) {
    if (worker_.joinable())
        worker_.join();
    const bool stopped = stop_ && stop_->load();
    if (waiting_) {
        Request next = std::move(*waiting_);
        waiting_.reset();
        Launch(std::move(next));
        return;
    }
    if (!stopped)
        finished_(result);
}

}  // namespace terrovane::engineering
