#include "Bridges.h"

#include <algorithm>
#include <filesystem>

#include "SmallFile.h"

namespace terrovane::doctor {
namespace {

namespace fs = std::filesystem;

// The ttys whose device sits below the USB device (its interfaces' children).
std::vector<std::string> TtysBelow(const fs::path& usbDevice, const Paths& paths) {
    std::vector<std::string> ttys;
    std::error_code error;
    for (fs::directory_iterator it(fs::path(paths.sysfs) / "class" / "tty", error), end; !error && it != end;
         it.increment(error)) {
        std::error_code linkError;
        const fs::path device = fs::canonical(it->path() / "device", linkError);
        if (linkError)
            continue;
        const auto [usbEnd, deviceAt] =
            std::mismatch(usbDevice.begin(), usbDevice.end(), device.begin(), device.end());
        if (usbEnd == usbDevice.end() && deviceAt != device.end())
            ttys.push_back(it->path().filename().string());
    }
    std::sort(ttys.begin(), ttys.end());
    return ttys;
}

// Interfaces are the device's subfolders named "<busId>:<config>.<interface>".
std::vector<std::string> InterfaceDrivers(const fs::path& usbDevice) {
    std::vector<std::string> drivers;
    const std::string prefix = usbDevice.filename().string() + ":";
    std::error_code error;
    for (fs::directory_iterator it(usbDevice, error), end; !error && it != end; it.increment(error)) {
        if (!it->path().filename().string().starts_with(prefix))
            continue;
        std::error_code linkError;
        const fs::path driver = fs::read_symlink(it->path() / "driver", linkError);
        if (!linkError)
            drivers.push_back(driver.filename().string());
    }
    std::sort(drivers.begin(), drivers.end());
    return drivers;
}

}  // namespace

std::vector<BridgeDevice> FindBridges(const Paths& paths) {
    std::vector<BridgeDevice> bridges;
    std::error_code error;
    for (fs::directory_iterator it(fs::path(paths.sysfs) / "bus" / "usb" / "devices", error), end;
         !error && it != end; it.increment(error)) {
        std::error_code linkError;
        const fs::path device = fs::canonical(it->path(), linkError);
        if (linkError || ReadAttribute((device / "idVendor").string()) != kBridgeVendor)
            continue;
        BridgeDevice bridge;
        bridge.busId = it->path().filename().string();
        bridge.vendor = kBridgeVendor;
        bridge.product = ReadAttribute((device / "idProduct").string());
        bridge.serial = ReadAttribute((device / "serial").string());
        bridge.ttys = TtysBelow(device, paths);
        bridge.interfaceDrivers = InterfaceDrivers(device);
        bridges.push_back(std::move(bridge));
    }
    std::sort(bridges.begin(), bridges.end(),
              [](const BridgeDevice& a, const BridgeDevice& b) { return a.busId < b.busId; });
    return bridges;
}

std::string FirstBridgeTty(const std::vector<BridgeDevice>& bridges) {
    for (const BridgeDevice& bridge : bridges) {
        if (!bridge.ttys.empty())
            return bridge.ttys.front();
    }
    return {};
}

}  // namespace terrovane::doctor
