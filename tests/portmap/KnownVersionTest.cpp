#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "DirectoryWatch.h"
#include "EventWait.h"
#include "FakeSysfs.h"
#include "PortMap.h"

namespace terrovane::platform {
namespace {

namespace fs = std::filesystem;
using terrovane::testing::RunEventsUntil;

// What the port watch's tick does: it asks from the loop, which then stands watch for it.
std::uint64_t VersionFromTheLoop(const PortMapSource& map) {
    const LoopNoticeScope fromTheLoop;
    return map.Version();
}

// The watch may rest on a version only while nothing could have changed it. Once it is known, it must be
// the version a look would give.
void ExpectKnownOnceSettled(const PortMapSource& map, const char* when) {
    EXPECT_TRUE(RunEventsUntil(
        [&map] {
            const std::uint64_t looked = VersionFromTheLoop(map);
            const std::optional<std::uint64_t> known = map.KnownVersion();
            return known && *known == looked;
        },
        2000))
        << when;
    EXPECT_EQ(map.KnownVersion(), map.Version()) << when;
}

TEST(KnownVersionTest, ALiveMapIsKnownBetweenNewsAndNeverWhileAPortSettles) {
    testing::FakeSysfs sysfs;
    sysfs.AddUsbTty("ttyUSB0", "10c4", 1);
    const fs::path dev = fs::path(sysfs.Root()) / "dev";
    fs::create_directories(dev);
    const auto map = MakeLivePortMap(sysfs.Root(), dev.string());
    EXPECT_FALSE(map->KnownVersion());  // never looked
    ExpectKnownOnceSettled(*map, "first look");
    const std::uint64_t before = *map->KnownVersion();

    // A port that comes is news the loop brings, and for a short while after it every look scans.
    sysfs.AddUsbTty("ttyUSB1", "10c4", 2);
    std::ofstream(dev / "ttyUSB1").put('\0');
    EXPECT_TRUE(RunEventsUntil([&map] { return !map->KnownVersion(); }, 2000));
    EXPECT_NE(VersionFromTheLoop(*map), before);
    EXPECT_FALSE(map->KnownVersion());
    ExpectKnownOnceSettled(*map, "after a plug");
    EXPECT_EQ(map->BridgePorts().size(), 2u);
}

TEST(KnownVersionTest, AFileMapIsKnownOnceTheFileIsOlderThanItsTimeStampsCanTell) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("ports.ini")).toStdString();
    std::ofstream(path) << "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Silabser0=COM3\n";
    const auto map = MakeFilePortMap(path);
    EXPECT_FALSE(map->KnownVersion());
    ExpectKnownOnceSettled(*map, "first look");

    std::ofstream(path, std::ios::trunc) << "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Silabser0=COM4\n";
    EXPECT_TRUE(RunEventsUntil([&map] { return !map->KnownVersion(); }, 2000));
    ExpectKnownOnceSettled(*map, "after a change");
    EXPECT_EQ(map->ReadKey(kSerialCommKey)->front().second, "COM4");

    fs::remove(path);
    EXPECT_TRUE(RunEventsUntil([&map] { return !map->KnownVersion(); }, 2000));
    ExpectKnownOnceSettled(*map, "after removal");
    EXPECT_FALSE(map->ReadKey(kSerialCommKey));
}

// A source that cannot watch its inputs never claims to know.
TEST(KnownVersionTest, AMapWithoutAWatchAlwaysLooks) {
    const auto map = MakeFilePortMap("/nonexistent/folder/ports.ini");
    VersionFromTheLoop(*map);
    EXPECT_FALSE(map->KnownVersion());
    EXPECT_FALSE(ParsePortMapText("")->KnownVersion());
}

}  // namespace
}  // namespace terrovane::platform
