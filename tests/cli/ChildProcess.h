#pragma once

#include <sys/resource.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace terrovane::testing {

struct ChildOutcome {
    bool exited = false;    // ended by itself with a status (not by a signal, not timed out)
    int status = -1;        // the exit status when it exited
    int signal = 0;         // the signal that ended it, if one did
    bool timedOut = false;  // still running at the deadline; it was killed
    std::string out;
    std::string err;
};

struct ChildSettings {
    std::vector<std::string> environment;  // "NAME=value" entries added to this process's
    std::optional<rlim_t> fileSizeLimit;   // RLIMIT_FSIZE in the child, in bytes
    std::chrono::milliseconds timeout{30000};
};

// Runs a program with standard input from /dev/null and its two outputs captured. SIGXFSZ is put back to
// its default in the child, so only the program itself can choose to ignore it.
ChildOutcome RunChild(const std::string& program, const std::vector<std::string>& arguments,
                      const ChildSettings& settings = {});

}  // namespace terrovane::testing
