// The live serial-port map: the USB serial ports of the instrument's bridge (Silicon Labs, USB vendor
// 0x10c4, driver cp210x), found under sysfs. Each such port /dev/ttyUSB<k> is published like the bridge's
// Windows driver does it: value "\Device\Silabser<i>" (i counts the bridge's ports in ttyUSB order) under
// the SERIALCOMM key, with the port name "COM<k+1>". The COM number follows the kernel's device number
// rather than the index, so unplugging one bridge never renumbers another. The Scsi key does not exist.
// Where the installed udev rule has given the port its stable name /dev/terrovane-<serial>, that name is
// the device the port number opens: it keeps naming the same instrument across replugs.
//
// sysfs is scanned again only when the device folder (or the tty class folder, where that reports changes)
// saw an entry come or go, and the port watch rests until then. Only entries count: /dev/null and the
// terminals are written all the time, and each write would otherwise set off a scan; for a short while
// after such news every ask scans, since the kernel removes a device's sysfs entry a moment after its node.
// Without inotify, sysfs is scanned at most every 200 ms.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <mutex>

#include "DirectoryWatch.h"
#include "PortMap.h"
#include "RegularFile.h"

namespace terrovane::platform {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBridgeVendor = "10c4";
constexpr std::string_view kUsbTtyPrefix = "ttyUSB";
constexpr std::string_view kStableLinkPrefix = "terrovane-";
constexpr auto kRescanPeriod = std::chrono::milliseconds(200);
constexpr auto kSettlePeriod = std::chrono::milliseconds(100);

struct LivePort {
    int ttyNumber = 0;
    std::string deviceName;  // under the dev root: the stable link when there is one, else the tty
    std::string productId;
    std::string usbSerial;
    std::string usbPath;
};

// "ttyUSB12" -> 12; -1 for any other name.
int UsbTtyNumber(std::string_view name) {
    if (!name.starts_with(kUsbTtyPrefix) || name.size() == kUsbTtyPrefix.size())
        return -1;
    int number = 0;
    for (char c : name.substr(kUsbTtyPrefix.size())) {
        if (c < '0' || c > '9' || number > 100000)
            return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

// A sysfs attribute's first line; non-blocking and bounded, like every other input of ours.
std::string ReadTrimmed(const fs::path& file) {
    std::string text = ReadRegularFile(file.string(), 4096, Links::Follow).bytes;
    text.resize(std::min(text.find('\n'), text.size()));
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\r'))
        text.pop_back();
    return text;
}

// Walks up from the tty's device to the USB device that carries idVendor, staying inside sysfs; empty when
// there is none.
fs::path UsbDeviceOf(const fs::path& ttyEntry, const fs::path& sysfsRoot) {
    std::error_code error;
    fs::path device = fs::canonical(ttyEntry / "device", error);
    if (error)
        return {};
    const fs::path root = fs::canonical(sysfsRoot, error);
    if (error)
        return {};
    for (int depth = 0; depth < 16 && device != root && device.has_relative_path(); ++depth) {
        if (fs::exists(device / "idVendor", error))
            return device;
        device = device.parent_path();
    }
    return {};
}

std::vector<LivePort> ScanBridgePorts(const fs::path& sysfsRoot) {
    std::vector<LivePort> ports;
    std::error_code error;
    for (fs::directory_iterator it(sysfsRoot / "class" / "tty", error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        const int number = UsbTtyNumber(name);
        if (number < 0)
            continue;
        const fs::path usbDevice = UsbDeviceOf(it->path(), sysfsRoot);
        if (usbDevice.empty() || ReadTrimmed(usbDevice / "idVendor") != kBridgeVendor)
            continue;
        ports.push_back({number, name, ReadTrimmed(usbDevice / "idProduct"),
                         ReadTrimmed(usbDevice / "serial"), usbDevice.filename().string()});
    }
    std::sort(ports.begin(), ports.end(),
              [](const LivePort& a, const LivePort& b) { return a.ttyNumber < b.ttyNumber; });
    return ports;
}

// The stable links under devRoot, by the tty name each resolves to. Anything else that happens to carry
// the prefix (a dangling link, a file) is no link of ours.
std::vector<std::pair<std::string, std::string>> StableLinks(const fs::path& devRoot) {
    std::vector<std::pair<std::string, std::string>> links;
    std::error_code error;
    const fs::path root = fs::canonical(devRoot, error);
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code linkError;
        if (!name.starts_with(kStableLinkPrefix) || !it->is_symlink(linkError))
            continue;
        const fs::path target = fs::canonical(it->path(), linkError);
        if (!linkError && target.parent_path() == root)
            links.emplace_back(target.filename().string(), name);
    }
    std::sort(links.begin(), links.end());
    return links;
}

void UseStableLinks(std::vector<LivePort>& ports, const fs::path& devRoot) {
    const auto links = StableLinks(devRoot);
    for (auto& port : ports) {
        const auto link =
            std::lower_bound(links.begin(), links.end(), std::make_pair(port.deviceName, std::string()));
        if (link != links.end() && link->first == port.deviceName)
            port.deviceName = link->second;
    }
}

class LivePortMap final : public PortMapSource {
  public:
    LivePortMap(std::string sysfsRoot, std::string devRoot)
        : sysfsRoot_(std::move(sysfsRoot)),
          devRoot_(std::move(devRoot)),
          watch_({(fs::path(sysfsRoot_) / "class" / "tty").string(), devRoot_},
                 DirectoryWatch::Events::Entries) {}

    std::optional<PortMapValues> ReadKey(std::string_view key) const override {
        if (key != kSerialCommKey)
            return std::nullopt;
        std::lock_guard lock(mutex_);
        Refresh();
        PortMapValues values;
        for (std::size_t i = 0; i < ports_.size(); ++i) {
            values.emplace_back("\\Device\\Silabser" + std::to_string(i),
                                "COM" + std::to_string(ports_[i].ttyNumber + 1));
        }
        return values;
    }

    std::uint64_t Version() const override {
        std::lock_guard lock(mutex_);
        Refresh();
        return version_;
    }

    std::optional<std::uint64_t> KnownVersion() const override {
        std::lock_guard lock(mutex_);
        if (scanned_ && watch_.Working() && watch_.Quiet() &&
            std::chrono::steady_clock::now() >= settleUntil_)
            return version_;
        return std::nullopt;
    }

    std::string DevicePathFor(int portNumber) const override {
        std::lock_guard lock(mutex_);
        Refresh();
        for (const auto& port : ports_) {
            if (port.ttyNumber + 1 == portNumber)
                return (fs::path(devRoot_) / port.deviceName).string();
        }
        return {};
    }

    std::vector<BridgePort> BridgePorts() const override {
        std::lock_guard lock(mutex_);
        Refresh();
        std::vector<BridgePort> ports;
        for (const auto& port : ports_) {
            ports.push_back({port.ttyNumber + 1, (fs::path(devRoot_) / port.deviceName).string(),
                             port.productId, port.usbSerial, port.usbPath});
        }
        return ports;
    }

  private:
    void Refresh() const {
        const auto now = std::chrono::steady_clock::now();
        if (watch_.Working()) {
            if (watch_.Changed())
                settleUntil_ = now + kSettlePeriod;
            if (scanned_ && now >= settleUntil_)
                return;
        } else if (scanned_ && now - lastScan_ < kRescanPeriod) {
            return;
        }
        ports_ = ScanBridgePorts(sysfsRoot_);
        if (!ports_.empty())
            UseStableLinks(ports_, devRoot_);
        ++version_;
        lastScan_ = now;
        scanned_ = true;
    }

    std::string sysfsRoot_;
    std::string devRoot_;
    mutable std::mutex mutex_;
    mutable bool scanned_ = false;
    mutable std::chrono::steady_clock::time_point lastScan_;
    mutable std::vector<LivePort> ports_;
    mutable DirectoryWatch watch_;
    mutable std::uint64_t version_ = 0;
    mutable std::chrono::steady_clock::time_point settleUntil_;
};

}  // namespace

std::unique_ptr<PortMapSource> MakeLivePortMap(std::string sysfsRoot, std::string devRoot) {
    return std::make_unique<LivePortMap>(std::move(sysfsRoot), std::move(devRoot));
}

}  // namespace terrovane::platform
