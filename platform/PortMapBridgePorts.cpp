// The bridge's ports as a port-map source lists them, and which USB serial numbers name no instrument.
#include <algorithm>

#include "PortMap.h"

namespace terrovane::platform {
namespace {

constexpr std::string_view kBridgeValuePrefixes[] = {"\\Device\\Silabser", "\\Device\\Slabser"};

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsBridgeValueName(std::string_view name) {
    return std::any_of(std::begin(kBridgeValuePrefixes), std::end(kBridgeValuePrefixes), [name](auto prefix) {
        return name.starts_with(prefix) && AllDigits(name.substr(prefix.size()));
    });
}

// "COM12" -> 12; -1 for anything else, and for numbers no port can have.
int ComNumber(std::string_view data) {
    if (!data.starts_with("COM") || !AllDigits(data.substr(3)) || data.size() > 8)
        return -1;
    int number = 0;
    for (char c : data.substr(3))
        number = number * 10 + (c - '0');
    return number > 0 && number <= 32767 ? number : -1;
}

}  // namespace

bool IsGenericUsbSerial(std::string_view serial) {
    return serial.empty() || std::find(std::begin(kGenericUsbSerials), std::end(kGenericUsbSerials),
                                       serial) != std::end(kGenericUsbSerials);
}

std::vector<BridgePort> PortMapSource::BridgePorts() const {
    std::optional<PortMapValues> values = ReadKey(kSerialCommKey);
    if (!values)
        values = ReadKey(kScsiSerialCommKey);
    std::vector<BridgePort> ports;
    if (!values)
        return ports;
    for (const auto& [name, data] : *values) {
        const int number = ComNumber(data);
        if (!IsBridgeValueName(name) || number < 0)
            continue;
        BridgePort port;
        port.portNumber = number;
        port.device = DevicePathFor(number);
        ports.push_back(std::move(port));
    }
    return ports;
}

}  // namespace terrovane::platform
