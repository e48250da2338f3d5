#include <algorithm>

#include "Checks.h"

namespace terrovane::doctor {
namespace {

std::string Describe(const BridgeDevice& bridge) {
    std::string text =
        bridge.vendor + ":" + (bridge.product.empty() ? "?" : bridge.product) + " at USB " + bridge.busId;
    if (!bridge.serial.empty())
        text += " (serial " + bridge.serial + ")";
    return text;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

bool Has(const std::vector<std::string>& items, const std::string& wanted) {
    return std::find(items.begin(), items.end(), wanted) != items.end();
}

Finding WithoutTty(const BridgeDevice& bridge) {
    const std::string what = Describe(bridge) + " has no serial port (tty)";
    if (Has(bridge.interfaceDrivers, "usbfs"))
        return {Mark::Fail, "bridge",
                what + ": a program holds its interface through usbfs (brltty does this)",
                "see the brltty line below; then unplug and plug the instrument in again"};
    if (bridge.interfaceDrivers.empty())
        return {Mark::Fail, "bridge", what + ": no driver is bound to it",
                std::string("sudo modprobe ") + kBridgeDriver + ", then plug the instrument in again"};
    return {Mark::Fail, "bridge", what + ": its interface is bound to " + Joined(bridge.interfaceDrivers),
            "unplug and plug the instrument in again"};
}

}  // namespace

Finding CheckBridge(const std::vector<BridgeDevice>& bridges) {
    if (bridges.empty())
        return {Mark::Fail, "bridge",
                std::string("no USB device of the bridge's vendor (") + kBridgeVendor + ") is attached",
                "plug the instrument in with a data cable (not a charging-only one) and switch it on; "
                "lsusb should then list 10c4:ea60"};
    std::vector<std::string> attached;
    for (const BridgeDevice& bridge : bridges) {
        if (!bridge.ttys.empty())
            attached.push_back(Describe(bridge) + " is " + Joined(bridge.ttys));
    }
    if (attached.empty())
        return WithoutTty(bridges.front());
    const bool expectedProduct = std::any_of(bridges.begin(), bridges.end(), [](const BridgeDevice& bridge) {
        return bridge.product == kBridgeProduct && !bridge.ttys.empty();
    });
    if (!expectedProduct)
        return {Mark::Warn, "bridge", Joined(attached) + "; the instrument's bridge is 10c4:ea60",
                "check that this is the instrument and not another adapter"};
    return {Mark::Ok, "bridge", Joined(attached), {}};
}

}  // namespace terrovane::doctor
