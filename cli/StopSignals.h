#pragma once

#include <atomic>
#include <memory>

namespace terrovane::cli {

// A flag that Ctrl+C (SIGINT) or SIGTERM sets from now on, for work that stops at a step of its own
// choosing rather than where the signal strikes. The handler is good for one signal: a second one ends the
// program at once, as a person pressing Ctrl+C again expects.
std::shared_ptr<const std::atomic<bool>> StopOnSignals();

}  // namespace terrovane::cli
