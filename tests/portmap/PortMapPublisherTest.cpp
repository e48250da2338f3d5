#include <gtest/gtest.h>

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

}  // namespace
}  // namespace terrovane::sim
