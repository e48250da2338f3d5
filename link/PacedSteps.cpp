#include "PacedSteps.h"

#include <algorithm>

namespace terrovane::link {

PacedSteps::PacedSteps(CMSComm& comm) : comm_(comm) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { TakeStep(); });
}

void PacedSteps::After(int milliseconds, std::function<void()> step) {
    nextStep_ = std::move(step);
    timer_.start(std::max(milliseconds, 0));
}

void PacedSteps::Cancel() {
    timer_.stop();
    nextStep_ = nullptr;
    awaitedBytes_ = 0;
}

void PacedSteps::StepEarlyWhenArrived() {
    if (awaitedBytes_ == 0 || comm_.InBufferCount() < awaitedBytes_ || !timer_.isActive()) {
        return;
    }
    timer_.stop();
    TakeStep();
}

// The step is taken out first: it may set up the next one.
void PacedSteps::TakeStep() {
    auto step = std::move(nextStep_);
    nextStep_ = nullptr;
    if (step) {
        step();
    }
}

}  // namespace terrovane::link
