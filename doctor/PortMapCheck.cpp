#include "Checks.h"
#include "PortDiscovery.h"

namespace terrovane::doctor {

PortChoice CheckPortMap(const platform::PortMapSource& portMap, const std::string& mapDescription) {
    if (const std::string problem = portMap.Problem(); !problem.empty())
        return {{Mark::Fail, "port map", mapDescription + ": cannot be read: " + problem,
                 "point TERROVANE_PORTMAP at a port-map file, or unset it to use the live ports"},
                {}};
    const std::optional<std::string> name = link::FindPortName(portMap);
    if (!name)
        return {{Mark::Fail, "port map", mapDescription + ": no port of the bridge is published in it",
                 "see the bridge line above"},
                {}};
    std::string message;
    const int number = link::PortNumberOf(*name, message);
    if (number < 0)
        return {{Mark::Fail, "port map", mapDescription + ": port name \"" + *name + "\": " + message,
                 "correct the port-map file"},
                {}};
    const std::string device = portMap.DevicePathFor(number);
    if (device.empty())
        return {{Mark::Fail, "port map", mapDescription + ": " + *name + " opens no device",
                 "name the device of " + *name + " in the map's [Ports] section"},
                {}};
    return {{Mark::Ok,
             "port map",
             mapDescription + ": discovery chooses " + *name + ", which opens " + device,
             {}},
            device};
}

}  // namespace terrovane::doctor
