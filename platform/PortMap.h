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
