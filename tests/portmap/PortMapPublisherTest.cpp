#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "PortMapPublisher.h"

namespace terrovane::sim {
namespace {

TEST(PortMapPublisherTest, PublishAndWithdrawKeepOtherEntries) {
    const std::string original =
        "# shared map\n"
        "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n"
        "\\Device\\Silabser0=COM9\n"
        "\\Device\\Serial0=COM1\n"
        "[Ports]\n"
        "COM1=/dev/ttyS0\n";
    const std::string published = WithPortPublished(original, 3, "/dev/pts/4");
    EXPECT_EQ(published,
              "# shared map\n"
              "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n"
              "\\Device\\Silabser0=COM3\n"
              "\\Device\\Serial0=COM1\n"
              "[Ports]\n"
              "COM3=/dev/pts/4\n"
              "COM1=/dev/ttyS0\n");
    EXPECT_EQ(WithPortWithdrawn(published, 3, "/dev/pts/4"),
              "# shared map\n"
              "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n"
              "\\Device\\Serial0=COM1\n"
              "[Ports]\n"
              "COM1=/dev/ttyS0\n");
}

TEST(PortMapPublisherTest, WithdrawLeavesAPortTakenOverByAnother) {
    const std::string takenOver = WithPortPublished("", 3, "/dev/pts/9");
    EXPECT_EQ(WithPortWithdrawn(takenOver, 3, "/dev/pts/4"),
              "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Silabser0=COM3\n[Ports]\nCOM3=/dev/pts/9\n");
}

// A map that cannot be read whole is left alone: rewriting it from a part would drop the other entries.
TEST(PortMapPublisherTest, MapTooLargeOrNotAFileIsNeitherRewrittenNorTruncated) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("publisher-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string big = (dir / "big.ini").string();
    const std::string content = "[Ports]\n" + std::string(std::size_t{1} << 20, '#');
    std::ofstream(big, std::ios::binary) << content;
    std::string error;
    EXPECT_FALSE(PublishPort(big, 3, "/dev/pts/4", error));
    EXPECT_EQ(error, big + ": a port map holds at most 1 MiB");
    EXPECT_FALSE(WithdrawPort(big, 3, "/dev/pts/4", error));
    std::ifstream in(big, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), content);
    EXPECT_FALSE(PublishPort(dir.string(), 3, "/dev/pts/4", error));
    EXPECT_EQ(error, dir.string() + ": is a folder");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace terrovane::sim
