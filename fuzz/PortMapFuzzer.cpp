// The port-map file's text as the port discovery reads it: both serial-port keys, the bridge's port name
// and number, and the device each port number opens.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "PortDiscovery.h"
#include "PortMap.h"
#include "QuietMessages.h"

namespace {

using namespace terrovane;
using fuzz::Require;

// A value of a key is what the text said: trimmed, never empty-named, no line break in either part.
void CheckValues(const platform::PortMapValues& values) {
    for (const auto& [name, data] : values) {
        Require(!name.empty());
        Require(name.find('\n') == std::string::npos && data.find('\n') == std::string::npos);
        Require(name.front() != ' ' && name.back() != ' ');
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::SilenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto map = platform::ParsePortMapText(text);
    for (const std::string_view key :
         {platform::kSerialCommKey, platform::kScsiSerialCommKey, std::string_view("Ports")}) {
        if (const auto values = map->ReadKey(key))
            CheckValues(*values);
    }
    if (const auto portName = link::FindPortName(*map)) {
        Require(portName->size() < link::kPortNameCapacity);
        const int number = link::ParsePortNumber(*portName);
        std::string message;
        Require(link::PortNumberOf(*portName, message) == number);
        Require(number >= -1 && number <= INT16_MAX);
        if (number >= 0)
            (void)map->DevicePathFor(number);
    }
    for (int number : {0, 1, 3, 255, 32767})
        (void)map->DevicePathFor(number);
    return 0;
}
