#pragma once

#include <memory>
#include <string>

class QLockFile;

namespace terrovane::platform {

// A per-user, per-session lock by name (in the runtime folder) that marks a program instance as running.
// The lock is held for the life of the object; a lock left behind by a crashed instance is taken over.
class InstanceLock {
  public:
    explicit InstanceLock(const std::string& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when another live instance held the name when this object was made.
    bool AlreadyRunning() const { return alreadyRunning_; }

  private:
    std::unique_ptr<QLockFile> lock_;
    bool alreadyRunning_ = false;
};

}  // namespace terrovane::platform
