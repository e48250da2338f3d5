#pragma once

#include <string>
#include <vector>

#include "Paths.h"

namespace terrovane::doctor {

// A USB device of the bridge's vendor as sysfs shows it.
struct BridgeDevice {
    std::string busId;  // "1-1.4"
    std::string vendor;
    std::string product;
    std::string serial;
    std::vector<std::string> ttys;              // "ttyUSB0", in the order sysfs lists them
    std::vector<std::string> interfaceDrivers;  // the drivers bound to its interfaces ("cp210x", "usbfs")
};

// Every USB device of the bridge's vendor under sysfs/bus/usb/devices.
std::vector<BridgeDevice> FindBridges(const Paths& paths);

// The first tty of the first bridge that has one; empty when none has.
std::string FirstBridgeTty(const std::vector<BridgeDevice>& bridges);

}  // namespace terrovane::doctor
