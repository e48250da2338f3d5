#include <algorithm>

#include "Checks.h"

namespace terrovane::doctor {
namespace {

Said Describe(const BridgeDevice& bridge) {
    const std::string product = bridge.product.empty() ? "?" : bridge.product;
    if (bridge.serial.empty())
        return {Phrase::BridgeDevice, {bridge.vendor, product, bridge.busId}};
    return {Phrase::BridgeDeviceWithSerial, {bridge.vendor, product, bridge.busId, bridge.serial}};
}

// Names of the system's own (ttys, drivers), listed as they are.
Argument Names(const std::vector<std::string>& names) {
    std::vector<Said> list;
    for (const std::string& name : names)
        list.push_back({Phrase::Plain, {name}});
    return list;
}

bool Has(const std::vector<std::string>& items, const std::string& wanted) {
    return std::find(items.begin(), items.end(), wanted) != items.end();
}

Finding WithoutTty(const BridgeDevice& bridge) {
    if (Has(bridge.interfaceDrivers, "usbfs"))
        return {Mark::Fail,
                Check::Bridge,
                {{Phrase::BridgeHeldThroughUsbfs, {Describe(bridge)}}},
                {{Phrase::SeeBrlttyLineThenReplug, {}}}};
    if (bridge.interfaceDrivers.empty())
        return {Mark::Fail,
                Check::Bridge,
                {{Phrase::BridgeWithoutDriver, {Describe(bridge)}}},
                {{Phrase::ThenPlugInAgain, {std::string("sudo modprobe ") + kBridgeDriver}}}};
    return {Mark::Fail,
            Check::Bridge,
            {{Phrase::BridgeBoundElsewhere, {Describe(bridge), Names(bridge.interfaceDrivers)}}},
            {{Phrase::Replug, {}}}};
}

}  // namespace

Finding CheckBridge(const std::vector<BridgeDevice>& bridges) {
    const std::string instrumentBridge = std::string(kBridgeVendor) + ":" + kBridgeProduct;
    if (bridges.empty())
        return {Mark::Fail,
                Check::Bridge,
                {{Phrase::NoBridge, {kBridgeVendor}}},
                {{Phrase::PlugInWithDataCable, {"lsusb", instrumentBridge}}}};
    std::vector<Said> attached;
    for (const BridgeDevice& bridge : bridges) {
        if (!bridge.ttys.empty())
            attached.push_back({Phrase::BridgeIsTtys, {Describe(bridge), Names(bridge.ttys)}});
    }
    if (attached.empty())
        return WithoutTty(bridges.front());
    const bool expectedProduct = std::any_of(bridges.begin(), bridges.end(), [](const BridgeDevice& bridge) {
        return bridge.product == kBridgeProduct && !bridge.ttys.empty();
    });
    if (!expectedProduct)
        return {Mark::Warn,
                Check::Bridge,
                {{Phrase::OtherBridgeProduct, {attached, instrumentBridge}}},
                {{Phrase::CheckOtherAdapter, {}}}};
    return {Mark::Ok, Check::Bridge, {{Phrase::Plain, {attached}}}, {}};
}

}  // namespace terrovane::doctor
