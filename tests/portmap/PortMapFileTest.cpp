#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

#include "PortMap.h"

namespace terrovane::platform {
namespace {

namespace fs = std::filesystem;

class PortMapFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/portmap-XXXXXX";
        dir_ = ::mkdtemp(pattern);
        path_ = (dir_ / "ports.ini").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Write(const std::string& text) {
        // Rewritten in place, not renamed: the change check must not depend on a new inode.
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << text;
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(PortMapFileTest, ReadsBothKeysInOrderAndThePortTable) {
    Write(
        "# written by hand\n"
        "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n"
        "  \\Device\\Silabser0 = COM3  \n"
        "\\Device\\Slabser0=COM12\n"
        "\\Device\\Other=COM7A\n"
        "[HARDWARE\\DEVICEMAP\\Scsi\\SERIALCOMM\\]\n"
        "\\Device\\Slabser0=COM4\n"
        "[Ports]\n"
        "COM3=/dev/pts/7\n"
        "com12 = /dev/ttyUSB0 ; the bridge\n");
    const auto map = MakeFilePortMap(path_);

    const auto key1 = map->ReadKey(kSerialCommKey);
    ASSERT_TRUE(key1.has_value());
    const PortMapValues expected{
        {"\\Device\\Silabser0", "COM3"}, {"\\Device\\Slabser0", "COM12"}, {"\\Device\\Other", "COM7A"}};
    EXPECT_EQ(*key1, expected);
    const auto key2 = map->ReadKey(kScsiSerialCommKey);
    ASSERT_TRUE(key2.has_value());
    EXPECT_EQ(*key2, (PortMapValues{{"\\Device\\Slabser0", "COM4"}}));

    EXPECT_EQ(map->DevicePathFor(3), "/dev/pts/7");
    EXPECT_EQ(map->DevicePathFor(12), "/dev/ttyUSB0");
    EXPECT_EQ(map->DevicePathFor(4), "");
}

TEST_F(PortMapFileTest, AbsentSectionCannotBeOpenedButAnEmptyOneCan) {
    Write("[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n[Ports]\nCOM3=/dev/null\n");
    const auto map = MakeFilePortMap(path_);
    ASSERT_TRUE(map->ReadKey(kSerialCommKey).has_value());
    EXPECT_TRUE(map->ReadKey(kSerialCommKey)->empty());
    EXPECT_FALSE(map->ReadKey(kScsiSerialCommKey).has_value());
}

TEST_F(PortMapFileTest, GarbageAndCommentsAreIgnored) {
    Write(
        "value before any section=COM9\n"
        "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n"
        "no equals sign here\n"
        "=COM5\n"
        "; \\Device\\Silabser0=COM1\n"
        "   # \\Device\\Silabser1=COM2\n"
        "[unterminated section\n"
        "\\Device\\Silabser0=COM3=extra\n"
        "\x01\x02\xff binary junk\n");
    const auto key = MakeFilePortMap(path_)->ReadKey(kSerialCommKey);
    ASSERT_TRUE(key.has_value());
    // "[unterminated section" is not a header, so the value after it still belongs to the key.
    EXPECT_EQ(*key, (PortMapValues{{"\\Device\\Silabser0", "COM3=extra"}}));
}

TEST_F(PortMapFileTest, MissingFileOpensNoKey) {
    const auto map = MakeFilePortMap(path_);
    EXPECT_FALSE(map->ReadKey(kSerialCommKey).has_value());
    EXPECT_FALSE(map->ReadKey(kScsiSerialCommKey).has_value());
    EXPECT_EQ(map->DevicePathFor(3), "");
}

// None of these may block discovery or feed it without end; the map then opens no key and says why.
TEST_F(PortMapFileTest, AnythingButASmallRegularFileOpensNoKeyAndSaysWhy) {
    const std::string fifo = (dir_ / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string large = (dir_ / "large.ini").string();
    {
        std::ofstream out(large, std::ios::binary);
        out << "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Silabser0=COM3\n";
        out << std::string(kMaxPortMapBytes, '#');
    }
    for (const auto& [path, reason] : {std::pair{fifo, "is not a regular file"},
                                       std::pair{std::string("/dev/zero"), "is not a regular file"},
                                       std::pair{dir_.string(), "is a folder"},
                                       std::pair{large, "is larger than a port map can be (1 MiB)"}}) {
        const auto map = MakeFilePortMap(path);
        EXPECT_FALSE(map->ReadKey(kSerialCommKey).has_value()) << path;
        EXPECT_EQ(map->DevicePathFor(3), "") << path;
        EXPECT_EQ(map->Problem(), path + ": " + reason);
    }
    Write("[Ports]\nCOM3=/dev/pts/1\n");
    EXPECT_EQ(MakeFilePortMap(path_)->Problem(), "");
    EXPECT_EQ(MakeFilePortMap((dir_ / "none").string())->Problem(), "");
}

// The text parse the fuzz program drives is the file's own.
TEST_F(PortMapFileTest, TextGivesWhatTheFileGives) {
    const std::string text =
        "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\r\n\\Device\\Silabser0 = COM3 ; note\r\n"
        "[hardware\\devicemap\\scsi\\serialcomm\\]\n[Ports]\nCOM3=/dev/ttyACM0\n";
    Write(text);
    const auto file = MakeFilePortMap(path_);
    const auto parsed = ParsePortMapText(text);
    for (const std::string_view key : {kSerialCommKey, kScsiSerialCommKey, std::string_view("Nowhere")})
        EXPECT_EQ(parsed->ReadKey(key), file->ReadKey(key)) << key;
    EXPECT_EQ(parsed->ReadKey(kSerialCommKey), (PortMapValues{{"\\Device\\Silabser0", "COM3"}}));
    EXPECT_EQ(parsed->DevicePathFor(3), "/dev/ttyACM0");
    EXPECT_EQ(file->DevicePathFor(3), "/dev/ttyACM0");
}

TEST_F(PortMapFileTest, CurrentMapFollowsTheFileAsItChanges) {
    ::setenv("TERROVANE_PORTMAP", path_.c_str(), 1);
    EXPECT_FALSE(CurrentPortMap().ReadKey(kSerialCommKey).has_value());

    Write("[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Silabser0=COM3\n[Ports]\nCOM3=/dev/pts/1\n");
    EXPECT_EQ(CurrentPortMap().ReadKey(kSerialCommKey)->size(), 1u);
    EXPECT_EQ(CurrentPortMap().DevicePathFor(3), "/dev/pts/1");

    // Same size, rewritten at once: only the content differs.
    Write("[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Silabser0=COM4\n[Ports]\nCOM4=/dev/pts/1\n");
    EXPECT_EQ(CurrentPortMap().ReadKey(kSerialCommKey)->front().second, "COM4");
    EXPECT_EQ(CurrentPortMap().DevicePathFor(3), "");

    fs::remove(path_);
    EXPECT_FALSE(CurrentPortMap().ReadKey(kSerialCommKey).has_value());
    ::unsetenv("TERROVANE_PORTMAP");
}

}  // namespace
}  // namespace terrovane::platform
