#include "PortDiscovery.h"

#include <cstdint>
#include <limits>

#include "MessageBox.h"

namespace terrovane::link {
namespace {

std::optional<std::string> BridgeValue(const platform::PortMapValues& values) {
    for (const std::string_view wanted : kBridgeValueNames) {
        for (const auto& [name, data] : values) {
            if (name == wanted) {
                return data;
            }
        }
    }
    return std::nullopt;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::string> FindPortName(const platform::PortMapSource& portMap) {
    std::optional<platform::PortMapValues> values = portMap.ReadKey(platform::kSerialCommKey);
    if (!values) {
        values = portMap.ReadKey(platform::kScsiSerialCommKey);
    }
    if (!values) {
        return std::nullopt;
    }
    std::optional<std::string> name = BridgeValue(*values);
    if (name && name->size() >= kPortNameCapacity) {
        return std::nullopt;  // a name that does not fit is not the bridge's
    }
    return name;
}

std::optional<std::string> FindPortName(const platform::PortMapSource& portMap, const PortChoice& choice) {
    if (choice.selector.empty()) {
        return FindPortName(portMap);
    }
    const auto named = PortsNamedBy(portMap.BridgePorts(), choice.selector);
    if (named.size() == 1) {
        return "COM" + std::to_string(named.front().portNumber);
    }
    if (choice.required) {
        return std::nullopt;
    }
    return FindPortName(portMap);
}

int PortNumberOf(std::string_view portName, std::string& message) {
    if (portName.substr(0, 3) != "COM") {
        message = kPortNameUnknown;
        return -1;
    }
    if (portName.size() < 4 || !IsDigit(portName[3])) {
        message = kPortNumberError;
        return -1;
    }
    long number = 0;
    for (std::size_t i = 3; i < portName.size() && IsDigit(portName[i]); ++i) {
        number = number * 10 + (portName[i] - '0');
        if (number > std::numeric_limits<std::int16_t>::max()) {
            // Cut to 16 bits it would name some other port.
            message = kPortNumberError;
            return -1;
        }
    }
    return static_cast<int>(number);
}

int ParsePortNumber(std::string_view portName) {
    std::string message;
    const int number = PortNumberOf(portName, message);
    if (number < 0) {
        platform::Alert(message);
    }
    return number;
}

}  // namespace terrovane::link
