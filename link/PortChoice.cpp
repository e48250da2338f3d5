#include "PortChoice.h"

#include <filesystem>

namespace terrovane::link {
namespace {

bool SameDevice(const std::string& device, std::string_view selector) {
    if (device == selector)
        return true;
    if (device.empty() || selector.find('/') == std::string_view::npos)
        return false;
    std::error_code error;
    return std::filesystem::equivalent(device, std::filesystem::path(selector), error) && !error;
}

bool Names(const platform::BridgePort& port, std::string_view selector) {
    return SameDevice(port.device, selector) || (!port.usbSerial.empty() && port.usbSerial == selector) ||
           (!port.usbPath.empty() && port.usbPath == selector);
}

}  // namespace

std::vector<platform::BridgePort> PortsNamedBy(const std::vector<platform::BridgePort>& ports,
                                               std::string_view selector) {
    std::vector<platform::BridgePort> named;
    if (selector.empty())
        return named;
    for (const auto& port : ports) {
        if (Names(port, selector))
            named.push_back(port);
    }
    return named;
}

std::string RememberedSelector(const platform::BridgePort& port) {
    if (!platform::IsGenericUsbSerial(port.usbSerial))
        return port.usbSerial;
    return port.usbPath.empty() ? port.device : port.usbPath;
}

}  // namespace terrovane::link
