#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace terrovane::doctor {

struct Process {
    pid_t pid = 0;
    std::string name;  // its comm
};

// The processes listed under procRoot (its numeric folders), by pid.
std::vector<Process> ListProcesses(const std::string& procRoot);

// True when a process of that name (comm) runs.
bool IsRunning(const std::vector<Process>& processes, const std::string& name);

struct Holders {
    std::vector<Process> processes;  // those with a descriptor open on the device
    int uninspected = 0;             // processes whose descriptors this user may not look at
};

// The processes other than `self` holding the device open: a descriptor link under <proc>/<pid>/fd that
// names the device itself or the file it resolves to (the tty behind a stable link).
Holders FindHolders(const std::string& procRoot, const std::string& devicePath, pid_t self);

}  // namespace terrovane::doctor
