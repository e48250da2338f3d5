#include <sys/utsname.h>

#include <filesystem>

#include "Checks.h"
#include "SmallFile.h"

namespace terrovane::doctor {
namespace {

namespace fs = std::filesystem;

std::string KernelRelease(const Paths& paths) {
    if (!paths.kernelRelease.empty())
        return paths.kernelRelease;
    utsname name{};
    return ::uname(&name) == 0 ? name.release : "";
}

// The driver's module file among the kernel's modules (cp210x.ko, .ko.xz, .ko.zst ...).
bool ModuleInstalled(const fs::path& modules) {
    std::error_code error;
    fs::recursive_directory_iterator it(modules, error);
    for (fs::recursive_directory_iterator end; !error && it != end; it.increment(error)) {
        if (it->path().filename().string().starts_with(std::string(kBridgeDriver) + ".ko"))
            return true;
    }
    return false;
}

bool ListedBuiltIn(const fs::path& modules) {
    const std::string list = ReadSmallFile((modules / "modules.builtin").string(), 4 << 20).value_or("");
    return list.find("/" + std::string(kBridgeDriver) + ".ko\n") != std::string::npos;
}

}  // namespace

Finding CheckDriver(const Paths& paths, bool bridgeAttached) {
    const std::string driver = kBridgeDriver;
    const std::string load = "sudo modprobe " + driver;
    std::error_code error;
    if (fs::exists(fs::path(paths.sysfs) / "bus" / "usb-serial" / "drivers" / driver, error)) {
        const bool module = fs::exists(fs::path(paths.sysfs) / "module" / driver / "initstate", error);
        return {Mark::Ok,
                Check::Driver,
                {{module ? Phrase::DriverLoadedAsModule : Phrase::DriverBuiltIn, {driver}}},
                {}};
    }
    const fs::path modules = fs::path(paths.modulesDir) / KernelRelease(paths);
    if (ListedBuiltIn(modules))
        return {Mark::Ok, Check::Driver, {{Phrase::DriverBuiltIn, {driver}}}, {}};
    if (ModuleInstalled(modules)) {
        if (!bridgeAttached)
            return {Mark::Ok, Check::Driver, {{Phrase::DriverLoadsOnPlugIn, {driver}}}, {}};
        return {Mark::Fail, Check::Driver, {{Phrase::DriverNotLoaded, {driver}}}, {{Phrase::Plain, {load}}}};
    }
    return {Mark::Fail,
            Check::Driver,
            {{Phrase::DriverMissing, {KernelRelease(paths), driver}}},
            {{Phrase::InstallExtraModules, {"sudo apt install linux-modules-extra-$(uname -r)"}}}};
}

}  // namespace terrovane::doctor
