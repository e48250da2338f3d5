#include "PortOption.h"

#include "CliText.h"
#include "PortChoice.h"
#include "PortMap.h"

namespace terrovane::cli {

DeclaredOption PortOption() {
    return {
        "port", "DEVICE",
        "Use this port of the instrument's bridge: its device path or its USB serial (terrovane-cli ports "
        "lists them). Without it, the first one."};
}

std::optional<platform::BridgePort> PortNamedByOption(const ParsedArguments& options,
                                                      const std::string& command,
                                                      const platform::PortMapSource& map) {
    const std::string selector = options.Value("port");
    const auto named = link::PortsNamedBy(map.BridgePorts(), selector);
    if (named.size() != 1) {
        Tell(command, named.empty()
                          ? CliText::tr("--port %1: no port of the instrument's bridge has this device "
                                        "path or USB serial (terrovane-cli ports lists them)")
                                .arg(Given(selector))
                          : CliText::tr("--port %1: several ports of the instrument's bridge have this "
                                        "USB serial; give the device path (terrovane-cli ports lists "
                                        "them)")
                                .arg(Given(selector)));
        return std::nullopt;
    }
    return named.front();
}

bool TakePortOption(const ParsedArguments& options, const std::string& command, TerminalHost& host) {
    if (!options.Has("port")) {
        return true;
    }
    if (!PortNamedByOption(options, command, platform::CurrentPortMap())) {
        return false;
    }
    host.port = {options.Value("port"), true};
    return true;
}

}  // namespace terrovane::cli
