#pragma once

#include <optional>
#include <string>

namespace terrovane::platform {

// A per-user lock by name that marks a program instance as running: an advisory lock (flock) on a file in
// the user's private runtime folder, held for the life of the object. The system drops it when the owner
// ends, however it ends, so a crashed instance never blocks the next start and no left-over file does.
class InstanceLock {
  public:
    explicit InstanceLock(const std::string& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when another live instance held the name when this object was made.
    bool AlreadyRunning() const { return alreadyRunning_; }
    // Why no lock could be taken at all ("" when it is held or another instance holds it): a runtime
    // folder that is not the user's and private, or a lock file that cannot be opened.
    const std::string& Problem() const { return problem_; }

  private:
    int fd_ = -1;
    bool alreadyRunning_ = false;
    std::string problem_;
};

// The folder for per-session files: $XDG_RUNTIME_DIR when set, else a folder of the user's own under the
// temporary folder, created 0700. nullopt, with `problem` naming the folder and the fix, when the folder
// is not the user's or not private to the user.
std::optional<std::string> RuntimeDir(std::string& problem);

}  // namespace terrovane::platform
