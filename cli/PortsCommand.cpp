// terrovane-cli ports: what port discovery sees in the serial-port map.
#include <cstdio>

#include "Command.h"
#include "PortDiscovery.h"
#include "PortMap.h"
#include "TerminalHost.h"

namespace terrovane::cli {
namespace {

void PrintKey(const platform::PortMapSource& portMap, std::string_view key) {
    const std::optional<platform::PortMapValues> values = portMap.ReadKey(key);
    std::printf("%.*s\n", static_cast<int>(key.size()), key.data());
    if (!values) {
        std::printf("  (cannot be opened)\n");
        return;
    }
    if (values->empty()) {
        std::printf("  (no values)\n");
    }
    for (const auto& [name, data] : *values) {
        std::printf("  %s = %s\n", name.c_str(), data.c_str());
    }
}

std::string OrDash(const std::string& text) {
    return text.empty() ? "-" : text;
}

// Every port of the bridge, so that the user can tell which one --port (or the window's Port...) means.
void PrintBridgePorts(const platform::PortMapSource& portMap) {
    const std::vector<platform::BridgePort> ports = portMap.BridgePorts();
    std::printf("bridge ports:\n");
    if (ports.empty()) {
        std::printf("  (none)\n");
    }
    for (const auto& port : ports) {
        std::printf("  COM%d  device %s  product %s  serial %s  usb %s\n", port.portNumber,
                    OrDash(port.device).c_str(), OrDash(port.productId).c_str(),
                    OrDash(port.usbSerial).c_str(), OrDash(port.usbPath).c_str());
    }
}

int RunPorts(const ParsedArguments&) {
    InstallTerminalMessages(false);
    const platform::PortMapSource& portMap = platform::CurrentPortMap();
    PrintKey(portMap, platform::kSerialCommKey);
    PrintKey(portMap, platform::kScsiSerialCommKey);
    const std::optional<std::string> name = link::FindPortName(portMap);
    if (!name) {
        std::printf("port: none (the instrument's bridge is not attached)\n");
        return kExitFailed;
    }
    const int number = link::ParsePortNumber(*name);
    if (number < 0) {
        return kExitFailed;
    }
    const std::string device = portMap.DevicePathFor(number);
    std::printf("port: %s (number %d) -> %s\n", name->c_str(), number,
                device.empty() ? "(no device)" : device.c_str());
    PrintBridgePorts(portMap);
    return device.empty() ? kExitFailed : kExitOk;
}

const CommandRegistrar kPortsRegistrar(
    {"ports",
     "Shows the two serial-port map keys the instrument's bridge is looked up "
     "in, the port discovery chooses and the device that port opens; then "
     "every port of the bridge with its device, USB product id, USB serial and "
     "USB path (what --port takes).",
     {{{"ports", {}, {}}, RunPorts}}});

}  // namespace
}  // namespace terrovane::cli
