#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "PortMap.h"

namespace terrovane::platform {
namespace {

namespace fs = std::filesystem;

// A fake sysfs: class/tty/<name>/device links into a USB device tree whose device folder holds idVendor.
class FakeSysfs {
  public:
    FakeSysfs() {
        char pattern[] = "/tmp/sysfs-XXXXXX";
        root_ = ::mkdtemp(pattern);
        fs::create_directories(root_ / "class" / "tty");
    }
    ~FakeSysfs() { fs::remove_all(root_); }

    void AddUsbTty(const std::string& name, const std::string& vendor, int bus) {
        const fs::path usbDevice = root_ / "devices" / "pci0000:00" / ("usb" + std::to_string(bus)) / "1-1";
        const fs::path ttyDevice = usbDevice / "1-1:1.0" / name;
        fs::create_directories(ttyDevice);
        std::ofstream(usbDevice / "idVendor") << vendor << "\n";
        fs::create_directories(root_ / "class" / "tty" / name);
        fs::create_directory_symlink(ttyDevice, root_ / "class" / "tty" / name / "device");
    }
    void AddVirtualTty(const std::string& name) { fs::create_directories(root_ / "class" / "tty" / name); }
    void Remove(const std::string& name) { fs::remove_all(root_ / "class" / "tty" / name); }

    std::string Root() const { return root_.string(); }

  private:
    fs::path root_;
};

TEST(PortMapLiveTest, ListsOnlyTheBridgesPortsInDeviceOrder) {
    FakeSysfs sysfs;
    sysfs.AddUsbTty("ttyUSB10", "10c4", 1);
    sysfs.AddUsbTty("ttyUSB1", "0403", 2);  // another vendor's adapter
    sysfs.AddUsbTty("ttyUSB2", "10c4", 3);
    sysfs.AddVirtualTty("tty0");
    sysfs.AddVirtualTty("ttyS0");
    const auto map = MakeLivePortMap(sysfs.Root(), "/dev");

    const auto key = map->ReadKey(kSerialCommKey);
    ASSERT_TRUE(key.has_value());
    // ttyUSB2 before ttyUSB10: numeric order, not text order.
    EXPECT_EQ(*key, (PortMapValues{{"\\Device\\Silabser0", "COM3"}, {"\\Device\\Silabser1", "COM11"}}));
    EXPECT_EQ(map->DevicePathFor(3), "/dev/ttyUSB2");
    EXPECT_EQ(map->DevicePathFor(11), "/dev/ttyUSB10");
    EXPECT_EQ(map->DevicePathFor(2), "");  // the other vendor's port is not ours to open
    EXPECT_FALSE(map->ReadKey(kScsiSerialCommKey).has_value());
}

// The watch hears of a port that comes or goes, so the next look already sees it.
TEST(PortMapLiveTest, PluggedAndUnpluggedBridgesAreSeenAtTheNextLook) {
    FakeSysfs sysfs;
    sysfs.AddUsbTty("ttyUSB0", "10c4", 1);
    const auto map = MakeLivePortMap(sysfs.Root(), "/dev");
    ASSERT_EQ(map->ReadKey(kSerialCommKey)->size(), 1u);

    sysfs.Remove("ttyUSB0");
    EXPECT_TRUE(map->ReadKey(kSerialCommKey)->empty());
    EXPECT_EQ(map->DevicePathFor(1), "");

    sysfs.AddUsbTty("ttyUSB4", "10c4", 2);
    EXPECT_EQ(map->DevicePathFor(5), "/dev/ttyUSB4");
}

// The udev rule's stable name is what the port opens; links that point elsewhere, dangle or merely share the
// prefix change nothing.
TEST(PortMapLiveTest, StableLinkOfTheRuleIsTheDeviceItsPortOpens) {
    FakeSysfs sysfs;
    sysfs.AddUsbTty("ttyUSB0", "10c4", 1);
    sysfs.AddUsbTty("ttyUSB3", "10c4", 2);
    const fs::path dev = fs::path(sysfs.Root()) / "dev";
    fs::create_directories(dev);
    std::ofstream(dev / "ttyUSB0").put('\0');
    std::ofstream(dev / "ttyUSB3").put('\0');
    std::ofstream(dev / "terrovane-plain-file").put('\0');
    fs::create_symlink("ttyUSB0", dev / "terrovane-0001");
    fs::create_symlink("ttyUSB9", dev / "terrovane-gone");
    fs::create_symlink("ttyUSB3", dev / "other-ttyUSB3");
    const auto map = MakeLivePortMap(sysfs.Root(), dev.string());

    EXPECT_EQ(map->DevicePathFor(1), (dev / "terrovane-0001").string());
    EXPECT_EQ(map->DevicePathFor(4), (dev / "ttyUSB3").string());
    EXPECT_EQ(map->ReadKey(kSerialCommKey)->size(), 2u);  // the values stay as the driver names them
}

TEST(PortMapLiveTest, MissingSysfsOpensAnEmptyKey) {
    const auto map = MakeLivePortMap("/nonexistent/sysfs", "/dev");
    ASSERT_TRUE(map->ReadKey(kSerialCommKey).has_value());
    EXPECT_TRUE(map->ReadKey(kSerialCommKey)->empty());
}

}  // namespace
}  // namespace terrovane::platform
