#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

#include "Accounts.h"
#include "Paths.h"

namespace terrovane::testing {

// A system tree in a temporary folder for the doctor: sysfs, /proc, /dev, udev rule folders, account
// files, kernel modules. Files are made by the test's own user; the account files name that user "root"
// and its group "dialout", and know a second user, alice (uid 4242), who is in no group at first.
class FakeSystem {
  public:
    FakeSystem();
    ~FakeSystem();
    FakeSystem(const FakeSystem&) = delete;
    FakeSystem& operator=(const FakeSystem&) = delete;

    doctor::Paths Paths() const;
    std::filesystem::path Root() const { return root_; }
    std::string Dev(const std::string& name) const { return (root_ / "dev" / name).string(); }

    // The bridge as a USB device at busId; with a tty, that tty under sysfs and in /dev (mode 0660).
    // interfaceDriver is what sysfs says its interface is bound to ("" for nothing).
    void AttachBridge(const std::string& busId, const std::string& tty, const std::string& product = "ea60",
                      const std::string& interfaceDriver = "cp210x", const std::string& serial = "0001");
    void LoadDriver();         // registered with usb-serial, as a loaded module
    void InstallModuleFile();  // among the kernel's modules, not loaded
    void AddProcess(pid_t pid, const std::string& name, const std::string& heldPath = {});
    void WriteFile(const std::string& relative, const std::string& text);
    void Link(const std::string& relative, const std::string& target);
    // This program's rule, copied from the sources, into the vendor rule folder.
    void InstallOwnRule();
    // Group file lines beyond the default ones ("dialout:x:<gid>:").
    void SetDialoutMembers(const std::string& members);

    doctor::Account Alice(bool inDialoutSession = false) const;
    static constexpr uid_t kAliceUid = 4242;

  private:
    std::filesystem::path root_;
};

}  // namespace terrovane::testing
