#include "PortOption.h"

#include <cstdio>

#include "PortChoice.h"
#include "PortMap.h"

namespace terrovane::cli {

DeclaredOption PortOption() {
    return {
        "port", "DEVICE",
        "Use this port of the instrument's bridge: its device path or its USB serial (terrovane-cli ports "
        "lists them). Without it, the first one."};
}

bool TakePortOption(const ParsedArguments& options, const std::string& command, TerminalHost& host) {
    if (!options.Has("port")) {
        return true;
    }
    const std::string selector = options.Value("port");
    const auto named = link::PortsNamedBy(platform::CurrentPortMap().BridgePorts(), selector);
    if (named.size() != 1) {
        std::fprintf(
            stderr, "%s: --port %s: %s (terrovane-cli ports lists them)\n", command.c_str(), selector.c_str(),
            named.empty() ? "no port of the instrument's bridge has this device path or USB serial"
                          : "several ports of the instrument's bridge have this USB serial; give the "
                            "device path");
        return false;
    }
    host.port = {selector, true};
    return true;
}

}  // namespace terrovane::cli
