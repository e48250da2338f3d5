#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "FakeSysfs.h"
#include "PortMap.h"

namespace terrovane::platform {
namespace {

namespace fs = std::filesystem;
using testing::FakeSysfs;

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

// Each bridge tells itself apart by product, serial and USB path; the other vendor's adapter is not listed,
// and a rule's link, whether named by serial or by USB path, is what the port opens.
TEST(PortMapLiveTest, BridgePortsCarryTheirUsbIdentity) {
    FakeSysfs sysfs;
    sysfs.AddUsbTty("ttyUSB3", "10c4", 1, {"ea60", "0001", "1-1.4"});
    sysfs.AddUsbTty("ttyUSB0", "10c4", 2, {"ea70", "A1B2C3", "2-3"});
    sysfs.AddUsbTty("ttyUSB1", "0403", 3, {"6001", "FT1", "3-1"});
    sysfs.AddUsbTty("ttyUSB7", "10c4", 4, {"ea60", "", "4-2"});
    const fs::path dev = fs::path(sysfs.Root()) / "dev";
    fs::create_directories(dev);
    for (const char* tty : {"ttyUSB0", "ttyUSB3", "ttyUSB7"})
        std::ofstream(dev / tty).put('\0');
    fs::create_symlink("ttyUSB3", dev / "terrovane-usb-1-1.4");
    fs::create_symlink("ttyUSB0", dev / "terrovane-A1B2C3");
    const auto map = MakeLivePortMap(sysfs.Root(), dev.string());

    const std::vector<BridgePort> expected = {
        {1, (dev / "terrovane-A1B2C3").string(), "ea70", "A1B2C3", "2-3"},
        {4, (dev / "terrovane-usb-1-1.4").string(), "ea60", "0001", "1-1.4"},
        {8, (dev / "ttyUSB7").string(), "ea60", "", "4-2"},
    };
    EXPECT_EQ(map->BridgePorts(), expected);
    // The file's view of the same ports: the values' order, the devices their numbers open.
    const auto file = ParsePortMapText(
        "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Silabser0=COM4\n\\Device\\Slabser1=COM1\n"
        "Other=COM9\n\\Device\\Silabser2=COMx\n[Ports]\nCOM4=/dev/pts/4\n");
    EXPECT_EQ(file->BridgePorts(),
              (std::vector<BridgePort>{{4, "/dev/pts/4", "", "", ""}, {1, "", "", "", ""}}));
}

TEST(PortMapLiveTest, GenericSerialsAreTheFactoryDefaultZerosAndNone) {
    for (const char* generic : {"", "0001", "0", "0000", "00000000"})
        EXPECT_TRUE(IsGenericUsbSerial(generic)) << generic;
    for (const char* own : {"A1B2C3", "0002", "000000000", "1", "00001"})
        EXPECT_FALSE(IsGenericUsbSerial(own)) << own;
}

// The rule names a bridge by USB path exactly when the program would not remember it by serial.
TEST(PortMapLiveTest, TheUdevRuleTakesTheSameSerialsForGeneric) {
    std::ifstream rule(TERROVANE_UDEV_RULE);
    std::string line;
    std::string listed;
    bool emptyGoesByPath = false;
    while (std::getline(rule, line)) {
        const std::string match = "ENV{ID_SERIAL_SHORT}==\"";
        if (!line.starts_with(match) || line.find("GOTO=\"terrovane_by_usb_path\"") == std::string::npos)
            continue;
        const std::string value = line.substr(match.size(), line.find('"', match.size()) - match.size());
        emptyGoesByPath = emptyGoesByPath || value.empty();
        if (!value.empty())
            listed = value;
    }
    std::string expected;
    for (std::string_view serial : kGenericUsbSerials)
        expected += (expected.empty() ? "" : "|") + std::string(serial);
    EXPECT_TRUE(emptyGoesByPath);
    EXPECT_EQ(listed, expected);
}

// A device node written to (the terminals, /dev/null) is no news of a port: the idle watch must not scan
// sysfs for it. A node that comes is.
TEST(PortMapLiveTest, WritesInTheDeviceFolderCauseNoScan) {
    FakeSysfs sysfs;
    sysfs.AddUsbTty("ttyUSB0", "10c4", 1);
    const fs::path dev = fs::path(sysfs.Root()) / "dev";
    fs::create_directories(dev);
    std::ofstream(dev / "null").put('\0');
    const auto map = MakeLivePortMap(sysfs.Root(), dev.string());
    ASSERT_EQ(map->BridgePorts().size(), 1u);
    // Past the short settling time after news, only a change scans again.
    const auto settled = std::chrono::steady_clock::now() + std::chrono::milliseconds(150);
    while (std::chrono::steady_clock::now() < settled)
        map->Version();
    const std::uint64_t idle = map->Version();
    for (int i = 0; i < 20; ++i) {
        std::ofstream(dev / "null", std::ios::app).put('x');
        EXPECT_EQ(map->Version(), idle);
    }
    sysfs.AddUsbTty("ttyUSB1", "10c4", 2, {"ea60", "B", "2-1"});
    std::ofstream(dev / "ttyUSB1").put('\0');
    EXPECT_NE(map->Version(), idle);
    EXPECT_EQ(map->BridgePorts().size(), 2u);
}

TEST(PortMapLiveTest, MissingSysfsOpensAnEmptyKey) {
    const auto map = MakeLivePortMap("/nonexistent/sysfs", "/dev");
    ASSERT_TRUE(map->ReadKey(kSerialCommKey).has_value());
    EXPECT_TRUE(map->ReadKey(kSerialCommKey)->empty());
}

}  // namespace
}  // namespace terrovane::platform
