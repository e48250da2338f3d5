#include "StopSignals.h"

#include <csignal>

namespace terrovane::cli {
namespace {

// Lock-free, so a signal handler may set it.
std::atomic<bool> stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void RequestStop(int) {
    stopRequested.store(true);
}

}  // namespace

std::shared_ptr<const std::atomic<bool>> StopOnSignals() {
    struct sigaction action = {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    // SA_RESTART: the server's and the archive's calls go on where the signal found them.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // The flag lives as long as the program: the pointer owns nothing.
    return {&stopRequested, [](const std::atomic<bool>*) {}};
}

}  // namespace terrovane::cli
