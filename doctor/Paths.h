#pragma once

#include <string>
#include <vector>

namespace terrovane::doctor {

// Where the checks look. The defaults are the running system's; tests point them into a fake tree.
struct Paths {
    std::string sysfs = "/sys";
    std::string proc = "/proc";
    std::string dev = "/dev";
    // In udev's order of precedence: a file in an earlier folder hides one of the same name in a later one.
    std::vector<std::string> udevRuleDirs = {"/etc/udev/rules.d", "/run/udev/rules.d",
                                             "/usr/local/lib/udev/rules.d", "/usr/lib/udev/rules.d",
                                             "/lib/udev/rules.d"};
    std::string groupFile = "/etc/group";
    std::string passwdFile = "/etc/passwd";
    std::vector<std::string> programDirs = {"/usr/sbin", "/usr/bin", "/sbin", "/bin"};
    std::string modulesDir = "/lib/modules";
    std::string kernelRelease;  // empty: the running kernel's
};

// The instrument's USB serial bridge, and the udev rule this program installs for it.
inline constexpr const char* kBridgeVendor = "10c4";
inline constexpr const char* kBridgeProduct = "ea60";
inline constexpr const char* kBridgeDriver = "cp210x";
inline constexpr const char* kOwnRuleFile = "70-terrovane.rules";
inline constexpr const char* kPackage = "terrovane";  // the Debian package that installs the rule

}  // namespace terrovane::doctor
