#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace terrovane::platform {

// The serial-port map: the registry keys through which the bridge's driver publishes its COM port,
// and the table from "COM<n>" to the device that port number opens.
inline constexpr std::string_view kSerialCommKey = "HARDWARE\\DEVICEMAP\\SERIALCOMM\\";
inline constexpr std::string_view kScsiSerialCommKey = "HARDWARE\\DEVICEMAP\\Scsi\\SERIALCOMM\\";

// A port-map file larger than this is not a port map: it is refused rather than read without end.
inline constexpr std::size_t kMaxPortMapBytes = std::size_t{1} << 20;

using PortMapValues = std::vector<std::pair<std::string, std::string>>;  // value name -> data, in order

// One port of the bridge as the user tells it from another: the USB fields are empty where the source does
// not know them (a port-map file).
struct BridgePort {
    int portNumber = 0;     // the n of "COM<n>"
    std::string device;     // what the port opens: the stable link where there is one, else the tty
    std::string productId;  // idProduct, "ea60"
    std::string usbSerial;  // the USB device's serial number, as the bridge reports it
    std::string usbPath;    // the USB device's place on the bus, "1-1.4"

    bool operator==(const BridgePort&) const = default;
};

// Serial numbers that many bridges share, so that they name no instrument: "0001" (the bridge's factory
// default) and zeros. The udev rule lists the same ones; an empty serial counts as generic too.
inline constexpr std::string_view kGenericUsbSerials[] = {"0001",  "0",      "00",      "000",     "0000",
                                                          "00000", "000000", "0000000", "00000000"};
bool IsGenericUsbSerial(std::string_view serial);

class PortMapSource {
  public:
    virtual ~PortMapSource() = default;
    // The values of one key, or nullopt when the key cannot be opened (does not exist).
    virtual std::optional<PortMapValues> ReadKey(std::string_view key) const = 0;
    // The device path that port number n opens, or empty when the map knows no such port.
    virtual std::string DevicePathFor(int portNumber) const = 0;
    // Why the source could not be read at all ("<path>: is not a regular file"), or empty.
    virtual std::string Problem() const { return {}; }
    // A number that changes whenever what the source says may have changed: a caller that saw the same
    // number before may keep what it read then. Cheap when nothing changed.
    virtual std::uint64_t Version() const { return 0; }
    // The number Version() would give now, when the source can tell without looking at its inputs (it
    // watches them, no news came, no recent change is still settling); nullopt when it would have to look.
    virtual std::optional<std::uint64_t> KnownVersion() const { return std::nullopt; }
    // Every port of the bridge the source knows, in the order the SERIALCOMM key lists them. The default
    // takes the "\Device\Silabser<i>" and "\Device\Slabser<i>" values of the first key that opens, with
    // the device each one's port number opens.
    virtual std::vector<BridgePort> BridgePorts() const;
};

// The file named by TERROVANE_PORTMAP.
std::unique_ptr<PortMapSource> MakeFilePortMap(std::string path);
// The map that the text of a port-map file describes, as that file would give it.
std::unique_ptr<PortMapSource> ParsePortMapText(std::string_view text);
// The live system: USB serial ports of the bridge's vendor, read under sysfsRoot (normally "/sys").
std::unique_ptr<PortMapSource> MakeLivePortMap(std::string sysfsRoot = "/sys", std::string devRoot = "/dev");
// The source in force: the file named by TERROVANE_PORTMAP when that variable is set, else the live system.
const PortMapSource& CurrentPortMap();

}  // namespace terrovane::platform
