#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "LinkFixture.h"
#include "PortChoice.h"
#include "PortDiscovery.h"

namespace terrovane::link {
namespace {

using platform::BridgePort;

// Two bridges on real pseudo-terminals, published as the live map would publish them.
class PortChoiceTest : public testing::LinkFixture {
  protected:
    PortChoiceTest() {
        const auto image = testing::ImageWithSlots({0});
        first_ = std::make_unique<testing::PtyInstrument>(testing::InstrumentResponder(image));
        second_ = std::make_unique<testing::PtyInstrument>(testing::InstrumentResponder(image));
        portMap_.Write(
            "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Silabser0=COM5\n"
            "\\Device\\Silabser1=COM6\n[Ports]\nCOM5=" +
            first_->SlavePath() + "\nCOM6=" + second_->SlavePath() + "\n");
    }

    std::unique_ptr<testing::PtyInstrument> first_;
    std::unique_ptr<testing::PtyInstrument> second_;
};

TEST_F(PortChoiceTest, ReadOutGoesToTheChosenPortAndTheWatchFollowsAChange) {
    EXPECT_TRUE(session_.WatchPort().present);
    EXPECT_EQ(session_.Port().portNumber, 5);  // no choice: the first bridge port, as always

    session_.SetPortChoice({second_->SlavePath(), false});
    EXPECT_TRUE(session_.WatchPort().present);
    EXPECT_EQ(session_.Port().portNumber, 6);

    ASSERT_TRUE(Read());
    EXPECT_EQ(outcome_->port, "COM6");
    EXPECT_EQ(second_->Log(), testing::HandshakeAndRequests(100));
    EXPECT_EQ(first_->Log(), "");
}

TEST_F(PortChoiceTest, RequiredChoiceOfAnAbsentPortFindsNoPortWhereAWishFallsBack) {
    session_.SetPortChoice({"/dev/terrovane-absent", false});
    EXPECT_TRUE(session_.WatchPort().present);
    EXPECT_EQ(session_.Port().portNumber, 5);

    session_.SetPortChoice({"/dev/terrovane-absent", true});
    EXPECT_FALSE(session_.WatchPort().present);
    EXPECT_FALSE(Read());
    ASSERT_TRUE(outcome_.has_value());
    EXPECT_NE(outcome_->kind, OutcomeKind::ReadOutAccepted);
    EXPECT_EQ(first_->Log() + second_->Log(), "");
    ExpectClosedUp();
}

TEST(PortsNamedByTest, PathSerialOrUsbPathNameAPortAndAGenericSerialMayNameSeveral) {
    QTemporaryDir dir;
    const std::filesystem::path tty = dir.filePath("ttyUSB0").toStdString();
    const std::filesystem::path link = dir.filePath("terrovane-A1").toStdString();
    std::ofstream(tty).put('\0');
    std::filesystem::create_symlink(tty, link);
    const std::vector<BridgePort> ports = {
        {1, link.string(), "ea60", "A1", "1-1"},
        {2, "/dev/ttyUSB1", "ea60", "0001", "1-2"},
        {3, "/dev/ttyUSB2", "ea60", "0001", "1-3"},
    };
    auto numbers = [&ports](std::string_view selector) {
        std::vector<int> found;
        for (const auto& port : PortsNamedBy(ports, selector))
            found.push_back(port.portNumber);
        return found;
    };
    EXPECT_EQ(numbers(link.string()), std::vector<int>{1});
    EXPECT_EQ(numbers(tty.string()), std::vector<int>{1});  // the tty the rule's link names
    EXPECT_EQ(numbers("A1"), std::vector<int>{1});
    EXPECT_EQ(numbers("1-3"), std::vector<int>{3});
    EXPECT_EQ(numbers("0001"), (std::vector<int>{2, 3}));
    EXPECT_TRUE(numbers("").empty());
    EXPECT_TRUE(numbers("/dev/ttyUSB9").empty());

    EXPECT_EQ(RememberedSelector(ports[0]), "A1");
    EXPECT_EQ(RememberedSelector(ports[2]), "1-3");  // "0001" would name either bridge
    EXPECT_EQ(RememberedSelector({4, "/dev/pts/3", "", "", ""}), "/dev/pts/3");
}

}  // namespace
}  // namespace terrovane::link
