#pragma once

#include <cstdlib>

namespace terrovane::fuzz {

// Every message of the code under test is answered OK and shown nowhere: a fuzz run must not spend its
// time writing to standard error, nor wait for anyone.
void SilenceMessages();

// A broken promise of the code under test: stops the run as a crash, so the input is kept.
inline void Require(bool promise) {
    if (!promise)
        std::abort();
}

}  // namespace terrovane::fuzz
