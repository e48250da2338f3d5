#include "Checks.h"
#include "PortDiscovery.h"

namespace terrovane::doctor {
namespace {

PortChoice Failed(Said seen, Said fix) {
    return {{Mark::Fail, Check::PortMap, {std::move(seen)}, {std::move(fix)}}, {}};
}

}  // namespace

PortChoice CheckPortMap(const platform::PortMapSource& portMap, const Said& map) {
    if (const std::string problem = portMap.Problem(); !problem.empty())
        return Failed({Phrase::PortMapUnreadable, {map, problem}},
                      {Phrase::PointAtPortMapOrUnset, {"TERROVANE_PORTMAP"}});
    const std::optional<std::string> name = link::FindPortName(portMap);
    if (!name)
        return Failed({Phrase::NoBridgePortInMap, {map}}, {Phrase::SeeBridgeLine, {}});
    std::string message;
    const int number = link::PortNumberOf(*name, message);
    if (number < 0)
        return Failed({Phrase::BadPortName, {map, *name, {Said{Phrase::LinkMessage, {message}}}}},
                      {Phrase::CorrectPortMap, {}});
    const std::string device = portMap.DevicePathFor(number);
    if (device.empty())
        return Failed({Phrase::PortOpensNoDevice, {map, *name}},
                      {Phrase::NameDeviceInPorts, {*name, "[Ports]"}});
    return {{Mark::Ok, Check::PortMap, {{Phrase::DiscoveryChooses, {map, *name, device}}}, {}}, device};
}

}  // namespace terrovane::doctor
