#pragma once

#include <QTimer>

#include <functional>

#include "CMSComm.h"

namespace terrovane::link {

// The next step of a command sequence, after its pause. A step may be taken early once the bytes it waits
// for have all arrived: the pause stays the longest wait, never the only one.
class PacedSteps {
  public:
    explicit PacedSteps(CMSComm& comm);

    // Takes `step` after `milliseconds`, instead of any step still waiting.
    void After(int milliseconds, std::function<void()> step);
    // Drops the waiting step and what it waits for.
    void Cancel();
    // The waiting step may be taken once `count` bytes wait in the port; 0: only after its pause.
    void AwaitBytes(int count) { awaitedBytes_ = count; }
    // Takes the waiting step now if the bytes it waits for have arrived.
    void StepEarlyWhenArrived();

  private:
    void TakeStep();

    CMSComm& comm_;
    QTimer timer_;
    std::function<void()> nextStep_;
    // The bytes that let the waiting step go early. 0 when it waits for its pause only.
    int awaitedBytes_ = 0;
};

}  // namespace terrovane::link
